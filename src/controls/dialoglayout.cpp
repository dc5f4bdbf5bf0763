#include "controls/dialoglayout.h"

#include "controls/bandedstyle.h"
#include "controls/charfilteredit.h"
#include "controls/radiogroup.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyleOptionGroupBox>

void MakeReadOnly(QLineEdit* edit) {
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    edit->setPalette(palette);
}

namespace {

// A line edit that lets every character in: text the program sets is taken
// whole, while the user brings it to 32,767 characters at most, as the line
// edit's own maximum length allows.
class AnyCharEdit : public CharFilterEdit {
public:
    using CharFilterEdit::CharFilterEdit;
    bool AcceptsChar(QChar) const override { return true; }
};

// The program's style with two changes, given to the controls that need
// them: a group's frame is a grey line with rounded corners from 6 pixels
// below the group's top, broken where the title sits, 8 pixels from the left
// with 5 pixels of room on either side; a drop-down list opens below its box.
// A style sheet would bring its own style engine into the start for these.
class DialogControlStyle : public BandedStyle {
public:
    static constexpr int kFrameTopPx = 6;
    static constexpr int kTitleLeftPx = 8;
    static constexpr int kTitlePaddingPx = 5;

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget) const override {
        if (control != CC_GroupBox)
            return BandedStyle::subControlRect(control, option, sub, widget);
        const QRect r = option->rect;
        const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        const QFontMetrics metrics = widget ? widget->fontMetrics() : option->fontMetrics;
        const QString text = box ? box->text : QString();
        const QRect title(r.left() + kTitleLeftPx, r.top(),
                          text.isEmpty() ? 0 : metrics.horizontalAdvance(text) + 2 * kTitlePaddingPx,
                          metrics.height());
        switch (sub) {
        case SC_GroupBoxLabel:
            return title;
        case SC_GroupBoxFrame:
            return r.adjusted(0, kFrameTopPx, 0, 0);
        case SC_GroupBoxContents:
            // Inside the line; the title may reach into it.
            return r.adjusted(1, kFrameTopPx + 1, -1, -1);
        default:
            return QRect();
        }
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override {
        const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        if (control != CC_GroupBox || !box) {
            BandedStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        const QRect frame = subControlRect(control, option, SC_GroupBoxFrame, widget);
        const QRect title = subControlRect(control, option, SC_GroupBoxLabel, widget);
        const QColor line(0xa0, 0xa0, 0xa0);
        // Straight one-pixel lines, the corners cut by a pixel on the
        // diagonal.
        const int l = frame.left(), t = frame.top(), r = frame.right(), b = frame.bottom();
        const auto fill = [&](int x1, int y1, int x2, int y2) {
            if (x2 >= x1 && y2 >= y1)
                painter->fillRect(QRect(QPoint(x1, y1), QPoint(x2, y2)), line);
        };
        if (title.width() > 0) {
            fill(l + 2, t, title.left() - 1, t);
            fill(title.right() + 1, t, r - 2, t);
        } else {
            fill(l + 2, t, r - 2, t);
        }
        fill(l + 2, b, r - 2, b);
        fill(l, t + 2, l, b - 2);
        fill(r, t + 2, r, b - 2);
        fill(l + 1, t + 1, l + 1, t + 1);
        fill(r - 1, t + 1, r - 1, t + 1);
        fill(l + 1, b - 1, l + 1, b - 1);
        fill(r - 1, b - 1, r - 1, b - 1);
        if (title.width() > 0) {
            painter->setPen(box->palette.color(
                box->state & State_Enabled ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
            painter->drawText(title.adjusted(kTitlePaddingPx, 0, -kTitlePaddingPx, 0),
                              Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, box->text);
        }
    }

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return BandedStyle::styleHint(hint, option, widget, returnData);
    }
};

// Made once and kept for the whole run.
DialogControlStyle* SharedStyle() {
    static DialogControlStyle* const style = new DialogControlStyle;
    return style;
}

} // namespace

void SetFrameThroughTitle(QGroupBox* group) {
    group->setStyle(SharedStyle());
}

void SetListDropsBelow(QComboBox* combo) {
    combo->setStyle(SharedStyle());
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
    return Place(new AnyCharEdit(m_pParent), id, x, y, width, height);
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
