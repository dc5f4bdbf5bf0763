#include "app/cdlgask.h"

#include "controls/dialoglayout.h"
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
    const DialogLayout layout(this);
    setWindowTitle(QStringLiteral("I/O Selection"));
    setFixedSize(layout.Units().Size(257, 78));

    m_staticText = layout.Label("", 1181, 12, 9, 230, 37);
    m_staticText->setWordWrap(true);
    m_staticText->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_btnOk = layout.Button("OK", 1, 75, 57);
    m_btnOk->setDefault(true);
    connect(m_btnOk, &QPushButton::clicked, this, &QDialog::accept);

    m_btnCancel = layout.Button("Cancel", 2, 139, 57);
    connect(m_btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CDlgAsk::OnInitDialog() {
    m_staticText->setText(MessageLines(m_strText));
    setWindowTitle(cp936::ToUnicode(m_strTitle));
    m_btnOk->setFocus();
}
