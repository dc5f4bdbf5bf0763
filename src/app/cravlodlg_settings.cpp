// The settings file, the device model and the port mode of the main window.
#include "app/cravlodlg.h"

#include "app/cdlgpanel.h"
#include "platform/profile.h"
#include "platform/programpaths.h"
#include "platform/prompter.h"
#include "platform/textutil.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>

namespace {

constexpr const char* kSection = "SYSTEM";
constexpr const char* kKeyModel = "MACHINE_TYPE";
constexpr const char* kKeyPort = "MACHINE_PORT";
constexpr const char* kPortModeNames[] = {"RS232(1),(2)", "RS232(2),IR 2", "RS232(1),IR 3", "IR 2,3"};
constexpr int kPortModeCount = 4;
constexpr int kDeviceIdCount = 100; // "--", then "01" to "99"

// The tool itself only ever stores model 0, and only a port mode the
// port-mode box offers.
void StoreModel0AndPort(int port) {
    const QString path = GetSetupFilePath();
    profile::WriteString(path, kSection, kKeyModel, "0");
    if (port >= 0 && port < kPortModeCount)
        profile::WriteInt(path, kSection, kKeyPort, port);
}

} // namespace

void CravloDlg::InitCombos() {
    m_comboPortMode->clear();
    for (const char* name : kPortModeNames)
        m_comboPortMode->addItem(QString::fromLatin1(name));
    m_comboPortMode->setCurrentIndex(0);
    m_nPortMode = 0;

    m_comboDeviceId->clear();
    m_comboDeviceId->addItem(QStringLiteral("--"));
    for (int n = 1; n < kDeviceIdCount; ++n)
        m_comboDeviceId->addItem(QString::fromStdString(txt::Format("%02d", n)));
    m_comboDeviceId->setCurrentIndex(0);
    m_nDeviceId = 0;
}

void CravloDlg::LoadSettings() {
    const QString path = GetSetupFilePath();
    if (QFile file(path); file.open(QIODevice::ReadOnly)) {
        file.close();
        m_nModel = profile::ReadInt(path, kSection, kKeyModel, 0);
        int port = profile::ReadInt(path, kSection, kKeyPort, 0);
        if (port < 0)
            port = 0;
        m_nPortMode = port;
        BuildPanel();
        ApplyModel(m_nModel, port);
    } else {
        m_nModel = 0;
        profile::WriteString(path, kSection, kKeyModel, "0");
        ApplyModel(0, 0);
        BuildPanel();
    }
}

void CravloDlg::ApplyModel(int model, int port) {
    // A port mode without an entry leaves the box without a selection.
    m_comboPortMode->setCurrentIndex(port >= 0 && port < kPortModeCount ? port : -1);
    QAction* panel = MenuAction(cmdid::kSystemPanel);
    switch (model) {
    case 0:
    case 1:
        if (panel)
            panel->setChecked(model == 0);
        m_labelPortMode->show();
        m_comboPortMode->show();
        m_nPortMode = port;
        m_comboPortMode->setEnabled(model == 0);
        break;
    case 2:
        if (panel)
            panel->setChecked(false);
        m_comboPortMode->setCurrentIndex(0);
        m_nPortMode = 0;
        m_labelPortMode->hide();
        m_comboPortMode->hide();
        break;
    default:
        break;
    }
}

void CravloDlg::OnCbnSelchangeComboPortMode(int index) {
    // The box shows the port mode in force until the change is confirmed.
    m_comboPortMode->setCurrentIndex(m_nPortMode >= 0 && m_nPortMode < kPortModeCount ? m_nPortMode : -1);
    if (index < 0 || index == m_comboPortMode->currentIndex())
        return;
    if (prompt::MessageBox("This will clear all actions and event", prompt::Buttons::YesNo, {},
                           prompt::Answer::Yes, prompt::Icon::Warning) != prompt::Answer::Yes)
        return;
    ClearAllKeys();
    BuildPanelModel0();
    m_nModel = 0;
    ApplyModel(0, index);
    StoreModel0AndPort(index);
}

void CravloDlg::OnCbnSelchangeComboDeviceId(int index) {
    m_nDeviceId = index;
}

void CravloDlg::OnSystemPanel() {
    RunSystemPanel();
}

bool CravloDlg::RunSystemPanel() {
    CDlgPanel dlg(m_nPortMode, this);
    if (dlg.DoModal() != ModalDialog::kIdOk)
        return false;
    const int port = dlg.m_nPortMode;
    if (m_nModel == 0 && port == m_nPortMode)
        return true;
    ClearAllKeys();
    BuildPanelModel0();
    m_nModel = 0;
    ApplyModel(0, port);
    StoreModel0AndPort(port);
    return true;
}
