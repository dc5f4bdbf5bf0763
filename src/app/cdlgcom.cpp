#include "app/cdlgcom.h"

#include "controls/dialoglayout.h"
#include "platform/textutil.h"
#include "platform/usbserialports.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

CDlgCom::CDlgCom(QWidget* parent) : ModalDialog(parent) {
    const DialogLayout layout(this);
    setObjectName(QStringLiteral("152"));
    setWindowTitle(QStringLiteral("ComSet"));
    setFixedSize(layout.Units().Size(258, 119));

    m_label = layout.Label("COM:", 1210, 77, 39, 36, 11);

    // Device paths are longer than "COM1": the box grows to the right.
    m_comboPorts = layout.Combo(1089, 102, 36, 80, 12);

    m_btnOk = layout.Button("OK", 1, 77, 73);
    m_btnOk->setDefault(true);
    connect(m_btnOk, &QPushButton::clicked, this, &CDlgCom::OnBnClickedOk);

    m_btnCancel = layout.Button("Cancel", 2, 138, 73);
    connect(m_btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

int CDlgCom::EnumComPorts() {
    m_arrPorts = usbserial::ListSerialPorts().value_or(std::vector<std::string>{});
    return static_cast<int>(m_arrPorts.size());
}

void CDlgCom::OnInitDialog() {
    EnumComPorts();
    m_comboPorts->clear();
    for (const std::string& port : m_arrPorts)
        m_comboPorts->addItem(QString::fromLocal8Bit(port.data(), static_cast<qsizetype>(port.size())));
    m_comboPorts->setCurrentIndex(m_arrPorts.empty() ? -1 : 0);
}

void CDlgCom::OnBnClickedOk() {
    const std::string text = txt::Trim(m_comboPorts->currentText().toLocal8Bit().toStdString());
    const auto it = std::find(m_arrPorts.begin(), m_arrPorts.end(), text);
    if (it != m_arrPorts.end()) {
        m_nPort = static_cast<int>(it - m_arrPorts.begin()) + 1;
        m_strPort = *it;
    }
    accept();
}
