// The device commands besides the USB connect and the upload: Clear (the
// only one in the menu), the connect through a chosen serial port, the IR
// study and normal mode switch, forgetting the device's settings, and the
// hidden port, send and mode controls, which no visible control reaches.

#include "app/cdlgclearall.h"
#include "app/cdlgcom.h"
#include "app/cravlodlg.h"
#include "controls/dialoglayout.h"
#include "device/devicetiming.h"
#include "model/cqvmcmd.h"
#include "platform/codepage.h"
#include "platform/prompter.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

namespace {

constexpr const char* kNotConnected = "Please connect with USB first.";
constexpr const char* kCannotOpenCom = "can't not open com";
constexpr const char* kModeIrStudy = "IR study";
constexpr const char* kModeNormal = "Normal status";

// The port the COM-port dialog handed back, or empty when its number names
// none of the ports listed.
std::string ChosenPort(const CDlgCom& dialog) {
    if (dialog.m_nPort < 1 || dialog.m_nPort > static_cast<int>(dialog.m_arrPorts.size()))
        return {};
    return dialog.m_strPort;
}

} // namespace

void CravloDlg::CreateHiddenDeviceControls() {
    const DialogLayout layout(m_client, Units());
    m_progressHidden = layout.Place(new QProgressBar(m_client), dlgid::kProgressHidden, 7, 356, 150, 9);

    m_btnOpenPort = layout.Button("Open", dlgid::kOpenPort, 7, 5, 30, 12);
    connect(m_btnOpenPort, &QPushButton::clicked, this, &CravloDlg::OnBnClickedOpenPort);
    m_btnClosePort = layout.Button("Close", dlgid::kClosePort, 40, 5, 30, 12);
    connect(m_btnClosePort, &QPushButton::clicked, this, &CravloDlg::OnBnClickedClosePort);
    m_btnSend = layout.Button("Send", dlgid::kSend, 73, 5, 30, 12);
    connect(m_btnSend, &QPushButton::clicked, this, &CravloDlg::OnBnClickedSend);

    QLabel* modeLabel = layout.Label("Mode Selection:", dlgid::kLabelMode, 7, 21, 52, 9);
    m_comboMode = layout.Combo(dlgid::kComboMode, 61, 19, 60, 12);
    m_comboMode->addItem(QString::fromLatin1(kModeIrStudy));
    m_comboMode->addItem(QString::fromLatin1(kModeNormal));
    m_comboMode->setCurrentIndex(-1); // nothing chosen at first
    QPushButton* setMode = layout.Button("OK", dlgid::kSetMode, 124, 19, 24, 12);
    connect(setMode, &QPushButton::clicked, this, &CravloDlg::OnBnClickedSetMode);

    for (QWidget* w : std::initializer_list<QWidget*>{m_progressHidden, m_btnOpenPort, m_btnClosePort,
                                                      m_btnSend, modeLabel, m_comboMode, setMode})
        w->hide();
}

void CravloDlg::OnConnectionClear() {
    const int state = m_nLinkState;
    if (state == kLinkClearing) {
        prompt::MessageBox("the machine is being clear");
        return;
    }
    if (state != kLinkIdle) {
        prompt::MessageBox("send data ing");
        return;
    }
    // An open port is enough; the device need not have answered a connect.
    if (!m_com.IsOpen()) {
        prompt::MessageBox(kNotConnected);
        return;
    }
    if (prompt::Ask("", "Clear all the parameters of the machine,\rare you sure ? ") != prompt::Answer::Ok)
        return;
    // The question ran events: a device notice may have closed the link, or
    // another command begun.
    if (!m_com.IsOpen() || m_nLinkState != kLinkIdle) {
        prompt::MessageBox(m_com.IsOpen() ? "send data ing" : kNotConnected);
        return;
    }
    m_nClearReplies = 0;
    m_nLinkState = kLinkClearing;
    m_com.WriteAsync(std::string(kClearFrame));

    CDlgClearAll dialog(this);
    dialog.DoModal();
    // The reply handling ends the clear at the second acknowledgement. When
    // the dialog gave up waiting the clear is over all the same: the link
    // must not stay busy, or Upload and Clear would be refused until the
    // next connect.
    int clearing = kLinkClearing;
    m_nLinkState.compare_exchange_strong(clearing, kLinkIdle);
}

void CravloDlg::OnConnectionCom() {
    CDlgCom dialog(this);
    if (dialog.DoModal() != ModalDialog::kIdOk)
        return;
    m_nConnectVia = kViaComDialog;
    if (m_com.IsOpen())
        m_com.Close();
    if (!m_staticConnected->isHidden())
        ShowConnectionStatus(); // the closed link is no longer "Connected"
    const std::string port = ChosenPort(dialog);
    if (port.empty()) {
        prompt::MessageBox(kCannotOpenCom);
        return;
    }
    if (!m_com.Open(port, this)) {
        prompt::MessageBox(kCannotOpenCom);
        return;
    }
    m_nLinkState = kLinkConnecting;
    KillTimer(timerid::kConnect);
    SetTimer(timerid::kConnect, Timing().comConnectReplyMs);
    m_com.WriteAsync(std::string(kConnectFrame));
}

void CravloDlg::OnForgetDevice() {
    if (prompt::Ask("Unusual", "Forget device,\rare you sure ? ") != prompt::Answer::Ok)
        return;
    // No reply is awaited; the link state stays. Success is told only for
    // a frame that actually went out, not merely for an open port.
    m_com.WriteAsync(std::string(kForgetDeviceFrame), [](int written) {
        if (written > 0)
            prompt::MessageBox("set success,please reboot device!");
    });
}

void CravloDlg::OnBnClickedSetMode() {
    const std::string mode = cp936::FromUnicode(m_comboMode->currentText());
    if (mode.empty()) {
        prompt::MessageBox("please choose mode!");
        return;
    }
    std::string_view frame;
    if (mode == kModeIrStudy)
        frame = kStudyIrFrame;
    else if (mode == kModeNormal)
        frame = kNormalModeFrame;
    else
        return;
    m_com.WriteAsync(std::string(frame), [](int written) {
        if (written > 0)
            prompt::MessageBox("set success!");
    });
}

void CravloDlg::OnBnClickedOpenPort() {
    CDlgCom dialog(this);
    if (dialog.DoModal() != ModalDialog::kIdOk)
        return;
    if (m_com.IsOpen())
        m_com.Close();
    if (!m_staticConnected->isHidden())
        ShowConnectionStatus();
    const std::string port = ChosenPort(dialog);
    if (port.empty() || !m_com.Open(port, this)) {
        prompt::MessageBox(kCannotOpenCom);
        return;
    }
    m_nLinkState = kLinkConnecting;
    m_com.WriteAsync(std::string(kConnectFrame));
    prompt::MessageBox("sucess open com");
    m_btnOpenPort->setEnabled(false);
    m_btnClosePort->setEnabled(true);
}

void CravloDlg::OnBnClickedClosePort() {
    if (!m_com.IsOpen())
        return;
    m_com.Close();
    m_btnOpenPort->setEnabled(true);
    m_btnClosePort->setEnabled(false);
}

void CravloDlg::OnBnClickedSendText() {
    // The window has no text field 1090; without one there is nothing to send.
    std::string text;
    if (auto* edit = qobject_cast<QLineEdit*>(Control(dlgid::kSendTextSource)))
        text = cp936::FromUnicode(edit->text());
    if (!m_com.IsOpen()) {
        prompt::MessageBox("Please connect with USB first");
        return;
    }
    if (!text.empty())
        m_com.WriteAsync(text);
}
