#include "controls/dialoglayout.h"

#include "controls/radiogroup.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

void MakeReadOnly(QLineEdit* edit) {
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    edit->setPalette(palette);
}

void SetFrameThroughTitle(QGroupBox* group) {
    group->setStyleSheet(QStringLiteral("QGroupBox { border: 1px solid #a0a0a0; border-radius: 3px;"
                                        " margin-top: 6px; }"
                                        "QGroupBox::title { subcontrol-origin: margin; left: 8px;"
                                        " padding: 0 3px; }"));
}

DialogLayout::DialogLayout(QWidget* parent) : DialogLayout(parent, DialogUnits(parent)) {}

DialogLayout::DialogLayout(QWidget* parent, const DialogUnits& units) : m_pParent(parent), m_units(units) {}

void DialogLayout::PlaceWidget(QWidget* widget, int id, int x, int y, int width, int height) const {
    if (id)
        widget->setObjectName(QString::number(id));
    widget->setGeometry(m_units.Rect(x, y, width, height));
}

QLabel* DialogLayout::Label(const char* text, int id, int x, int y, int width, int height) const {
    return Place(new QLabel(QString::fromLatin1(text), m_pParent), id, x, y, width, height);
}

QComboBox* DialogLayout::Combo(int id, int x, int y, int width, int height) const {
    return Place(new QComboBox(m_pParent), id, x, y, width, height);
}

QLineEdit* DialogLayout::Edit(int id, int x, int y, int width, int height) const {
    return Place(new QLineEdit(m_pParent), id, x, y, width, height);
}

QPushButton* DialogLayout::Button(const char* text, int id, int x, int y, int width, int height) const {
    auto* button = Place(new QPushButton(QString::fromLatin1(text), m_pParent), id, x, y, width, height);
    if (!m_bAutoDefaultButtons)
        button->setAutoDefault(false);
    return button;
}

QSlider* DialogLayout::Slider(int id, int x, int y, int width, int height) const {
    return Place(new QSlider(Qt::Horizontal, m_pParent), id, x, y, width, height);
}

QGroupBox* DialogLayout::Group(const char* title, int id, int x, int y, int width, int height) const {
    return Place(new QGroupBox(QString::fromLatin1(title), m_pParent), id, x, y, width, height);
}

QRadioButton* DialogLayout::Radio(const char* text, int id, int x, int y, int width, int height) const {
    auto* radio = Place(new QRadioButton(QString::fromLatin1(text), m_pParent), id, x, y, width, height);
    FitToCaption(radio);
    return radio;
}
