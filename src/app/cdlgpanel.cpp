#include "app/cdlgpanel.h"

#include "controls/dialoglayout.h"
#include "platform/prompter.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr const char* kPortModeTexts[CDlgPanel::kPortModeCount] = {"RS232(1),(2)", "RS232(2),IR 2",
                                                                   "RS232(1),IR 3", "IR 2,3"};

} // namespace

QString CDlgPanel::PortModeText(int portMode) {
    if (portMode < 0 || portMode >= kPortModeCount)
        return {};
    return QString::fromLatin1(kPortModeTexts[portMode]);
}

CDlgPanel::CDlgPanel(int portMode, QWidget* parent) : ModalDialog(parent), m_nInitialPortMode(portMode) {
    const DialogLayout layout(this);
    setWindowTitle(QStringLiteral("Output Port Selection"));
    setFixedSize(layout.Units().Size(238, 105));

    m_label = layout.Label("Enable RS232/IR", 0, 74, 25, 79);

    m_comboPortMode = layout.Combo(1146, 73, 37, 89);
    connect(m_comboPortMode, &QComboBox::activated, this, &CDlgPanel::OnCbnSelchangeComboPortMode);

    m_btnOk = layout.Button("OK", 1, 73, 79);
    m_btnOk->setDefault(true);
    connect(m_btnOk, &QPushButton::clicked, this, &CDlgPanel::OnBnClickedOk);

    m_btnCancel = layout.Button("Cancel", 2, 134, 78);
    connect(m_btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CDlgPanel::OnInitDialog() {
    m_nPortMode = m_nInitialPortMode;
    m_comboPortMode->clear();
    for (int mode = 0; mode < kPortModeCount; ++mode)
        m_comboPortMode->addItem(PortModeText(mode));
    // A port mode that is no entry selects none.
    m_comboPortMode->setCurrentIndex(m_nPortMode >= 0 && m_nPortMode < kPortModeCount ? m_nPortMode : -1);
    UpdateOkButton();
}

void CDlgPanel::OnCbnSelchangeComboPortMode(int index) {
    // The box shows the old choice until the user has agreed.
    const int old = m_nPortMode;
    m_comboPortMode->setCurrentIndex(old >= 0 && old < kPortModeCount ? old : -1);
    if (index == old)
        return;
    const prompt::Answer answer =
        prompt::MessageBox("This will clear all actions and event", prompt::Buttons::YesNo, {},
                           prompt::Answer::Yes, prompt::Icon::Warning);
    if (answer == prompt::Answer::Yes)
        m_comboPortMode->setCurrentIndex(index);
    m_nPortMode = m_comboPortMode->currentIndex();
    UpdateOkButton();
}

void CDlgPanel::OnBnClickedOk() {
    const int chosen = m_comboPortMode->currentIndex();
    if (chosen < 0 || chosen >= kPortModeCount)
        return;
    m_nPortMode = chosen;
    accept();
}

void CDlgPanel::UpdateOkButton() {
    const int chosen = m_comboPortMode->currentIndex();
    m_btnOk->setEnabled(chosen >= 0 && chosen < kPortModeCount);
}
