#include "app/caboutdlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("165"));
    setWindowTitle(QStringLiteral("Kestrone"));
    auto* layout = new QGridLayout(this);
    auto* icon = new QLabel(this);
    if (parent)
        icon->setPixmap(parent->windowIcon().pixmap(32, 32));
    layout->addWidget(icon, 0, 0, Qt::AlignTop);
    auto* text = new QLabel(QStringLiteral("Kestrone 1.1.5 version"), this);
    layout->addWidget(text, 0, 1);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, 2, Qt::AlignTop);
    layout->setColumnStretch(1, 1);
    layout->setHorizontalSpacing(16);
    setMinimumWidth(300);
}
