#include "app/cdlgask.h"

#include "controls/dialogunits.h"
#include "platform/codepage.h"

#include <QLabel>
#include <QPushButton>

QString CDlgAsk::MessageLines(const std::string& text) {
    QString shown = cp936::ToUnicode(text);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

CDlgAsk::CDlgAsk(QWidget* parent) : ModalDialog(parent) {
    const DialogUnits du(this);
    setWindowTitle(QStringLiteral("I/O Selection"));
    setFixedSize(du.Size(257, 78));

    m_staticText = new QLabel(this);
    m_staticText->setObjectName(QStringLiteral("1181"));
    m_staticText->setGeometry(du.Rect(12, 9, 230, 37));
    m_staticText->setWordWrap(true);
    m_staticText->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_btnOk = new QPushButton(QStringLiteral("OK"), this);
    m_btnOk->setObjectName(QStringLiteral("1"));
    m_btnOk->setGeometry(du.Rect(75, 57, 50, 14));
    m_btnOk->setDefault(true);
    connect(m_btnOk, &QPushButton::clicked, this, &QDialog::accept);

    m_btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_btnCancel->setObjectName(QStringLiteral("2"));
    m_btnCancel->setGeometry(du.Rect(139, 57, 50, 14));
    connect(m_btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CDlgAsk::OnInitDialog() {
    m_staticText->setText(MessageLines(m_strText));
    setWindowTitle(cp936::ToUnicode(m_strTitle));
    m_btnOk->setFocus();
}
