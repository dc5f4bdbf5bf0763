// Clearing the device and the other device commands, end to end against the
// keypad simulator.
#include "app/cdlgclearall.h"
#include "app/cdlgcom.h"
#include "linkfixture.h"
#include "support/modalwait.h"

#include <QComboBox>
#include <QProgressBar>
#include <QPushButton>
#include <filesystem>

namespace {

constexpr const char* kConnectFrameText = "QVM000602CONE87ENND";
constexpr const char* kClearFrameText = "QVM000601CLRE87ENND";
constexpr const char* kClearQuestion = "|Clear all the parameters of the machine,\rare you sure ? ";

// What the clear dialog showed when it closed.
struct ClearDialogEnd {
    bool seen = false;
    int stateWhileShown = -1;
    int ticks = -1;
    int bar = -1;
    bool done = false;
};

// `whileShown`, if given, runs once the dialog shows.
void WatchClearDialog(ClearDialogEnd& end, CravloDlg& dlg, const std::function<void()>& whileShown = {}) {
    OnModalOf<CDlgClearAll>([&end, &dlg, whileShown](CDlgClearAll* d) {
        end.seen = true;
        end.stateWhileShown = dlg.m_nLinkState;
        if (whileShown)
            whileShown();
        QObject::connect(d, &QDialog::finished, d, [&end, d] {
            end.ticks = d->m_nTicks;
            end.bar = d->m_progress->value();
            end.done = d->m_bDone;
        });
    });
}

// Answers the COM-port dialog by choosing the entry with that text (or, with
// an empty text, by pressing OK as it stands); records the entries listed.
void ChooseComPort(const QString& port, QStringList& listed, bool ok = true) {
    OnModalOf<CDlgCom>([port, &listed, ok](CDlgCom* d) {
        for (int i = 0; i < d->m_comboPorts->count(); ++i)
            listed << d->m_comboPorts->itemText(i);
        if (!port.isEmpty())
            d->m_comboPorts->setCurrentIndex(d->m_comboPorts->findText(port));
        (ok ? d->m_btnOk : d->m_btnCancel)->click();
    });
}

} // namespace

TEST_F(LinkTest, ClearCountsTheTwoAcknowledgementsAndTheDialogClosesATickLater) {
    CravloDlg& dlg = StartConnected();
    m_prompter.QueueAnswer(prompt::Answer::Ok);
    ClearDialogEnd end;
    WatchClearDialog(end, dlg);

    dlg.MenuAction(cmdid::kConnectionClear)->trigger(); // returns when the dialog has closed

    ASSERT_TRUE(end.seen);
    EXPECT_EQ(end.stateWhileShown, 4);
    EXPECT_TRUE(end.done);
    EXPECT_EQ(end.bar, 20);
    EXPECT_LT(end.ticks, 21) << "closed by the acknowledgements, not by the time-out";
    EXPECT_EQ(dlg.m_nClearReplies, 2);
    EXPECT_EQ(dlg.m_nLinkState, 0);
    EXPECT_EQ(m_sim.Frames(), (std::vector<std::string>{kConnectFrameText, kClearFrameText}));
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{kClearQuestion});
    EXPECT_TRUE(dlg.m_com.IsOpen());
}

// Another USB device coming and going while the device clears leaves the
// link alone.
TEST_F(LinkTest, AnotherUsbDeviceLeavesTheClearAlone) {
    CravloDlg& dlg = StartConnected();
    m_sim.SetClearAckPauseMs(300);
    m_prompter.QueueAnswer(prompt::Answer::Ok);
    ClearDialogEnd end;
    WatchClearDialog(end, dlg, [&dlg] {
        dlg.m_deviceNotices->Notify(UsbDeviceChange::Arrival);
        dlg.m_deviceNotices->Notify(UsbDeviceChange::RemoveComplete);
    });

    dlg.MenuAction(cmdid::kConnectionClear)->trigger();

    ASSERT_TRUE(end.seen);
    EXPECT_TRUE(end.done);
    EXPECT_EQ(dlg.m_nClearReplies, 2);
    EXPECT_TRUE(dlg.m_com.IsOpen());
    EXPECT_EQ(Status(), kConnected);
    EXPECT_EQ(m_sim.Frames(), (std::vector<std::string>{kConnectFrameText, kClearFrameText}));
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{kClearQuestion});
}

TEST_F(LinkTest, ClearNeedsOnlyAnOpenPort) {
    // The device answered the connect with junk: not "Connected", but open.
    m_sim.SetJunkReplies(true);
    PlugKeypad();
    CravloDlg& dlg = Start();
    dlg.MenuAction(cmdid::kConnectionUsb)->trigger();
    ASSERT_TRUE(testwait::WaitUntil([&] { return dlg.m_nLinkState == 0; }));
    ASSERT_EQ(Status(), kAwaiting);
    m_sim.SetJunkReplies(false);

    m_prompter.QueueAnswer(prompt::Answer::Ok);
    dlg.OnConnectionClear();
    EXPECT_EQ(dlg.m_nClearReplies, 2);
    EXPECT_EQ(dlg.m_nLinkState, 0);
    EXPECT_EQ(m_sim.Frames().back(), kClearFrameText);
}

TEST_F(LinkTest, ClearIsRefusedWhileTheLinkIsBusyOrClosed) {
    CravloDlg& dlg = Start();
    dlg.OnConnectionClear();
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"Please connect with USB first."});

    m_dlg.reset();
    m_prompter.Clear();
    CravloDlg& connected = StartConnected();
    const std::pair<int, const char*> busy[] = {
        {4, "the machine is being clear"}, {1, "send data ing"}, {2, "send data ing"}, {5, "send data ing"}};
    for (const auto& [state, text] : busy) {
        m_prompter.Clear();
        connected.m_nLinkState = state;
        connected.OnConnectionClear();
        EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{text}) << state;
        EXPECT_EQ(connected.m_nLinkState, state);
    }
    connected.m_nLinkState = 0;

    // Cancel in the question: nothing is sent.
    m_prompter.Clear();
    m_prompter.QueueAnswer(prompt::Answer::Cancel);
    connected.OnConnectionClear();
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{kClearQuestion});
    EXPECT_EQ(connected.m_nLinkState, 0);
    ASSERT_TRUE(testwait::DrainPostedEvents());
    EXPECT_EQ(m_sim.Frames(), std::vector<std::string>{kConnectFrameText});
}

TEST_F(LinkTest, AClearWithoutAcknowledgementsEndsAfter21TicksAndFreesTheLink) {
    CravloDlg& dlg = StartConnected();
    m_sim.SetSilent(true);
    m_prompter.QueueAnswer(prompt::Answer::Ok);
    ClearDialogEnd end;
    WatchClearDialog(end, dlg);
    dlg.OnConnectionClear();

    ASSERT_TRUE(end.seen);
    EXPECT_EQ(end.ticks, 21);
    EXPECT_EQ(end.bar, 20);
    EXPECT_FALSE(end.done);
    EXPECT_EQ(dlg.m_nClearReplies, 0);
    EXPECT_EQ(dlg.m_nLinkState, 0) << "Upload and Clear are not refused for good";
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{kClearQuestion});
}

TEST_F(LinkTest, AcknowledgementsWithinTheFirstTickCloseTheClearDialogAtTheSecond) {
    ScopedDeviceTiming slow([] {
        DeviceTiming t = FastTiming();
        t.clearDialogTickMs = 600000; // the test ticks by hand
        return t;
    }());
    CravloDlg& dlg = Start();

    // Both acknowledgements before the first tick: 19, then 20 and closed.
    dlg.m_nClearReplies = 2;
    CDlgClearAll d(&dlg);
    d.show();
    EXPECT_EQ(d.windowTitle(), "Clearing");
    EXPECT_EQ(d.m_progress->maximum(), 20);
    EXPECT_EQ(d.m_progress->value(), 0);
    d.OnTimer(1);
    EXPECT_EQ(d.m_progress->value(), 19);
    EXPECT_TRUE(d.m_bDone);
    EXPECT_TRUE(d.isVisible());
    d.OnTimer(1);
    EXPECT_EQ(d.m_progress->value(), 20);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(LinkTest, ConnectThroughTheComPortDialog) {
    const std::string port = PlugKeypad();
    CravloDlg& dlg = Start();
    QStringList listed;
    ChooseComPort(QString::fromStdString(port), listed);
    dlg.OnConnectionCom();
    EXPECT_EQ(listed, QStringList{QString::fromStdString(port)});
    EXPECT_EQ(dlg.m_nLinkState, 2);
    EXPECT_TRUE(dlg.IsTimerActive(4));
    EXPECT_EQ(dlg.m_nConnectVia, 1);
    ASSERT_TRUE(testwait::WaitUntil([&] { return Shows(kConnected); }));
    EXPECT_EQ(dlg.m_nLinkState, 0);
    EXPECT_FALSE(UsbChecked()) << "the COM-port entry is checked, and it has no menu item";
    EXPECT_EQ(dlg.m_com.m_strPort, port);
    EXPECT_TRUE(m_prompter.Texts().empty());

    // A silent device: the longer COM-port time-out, then "Failed to connect".
    m_sim.SetSilent(true);
    ChooseComPort(QString::fromStdString(port), listed);
    dlg.OnConnectionCom();
    EXPECT_EQ(Status(), kAwaiting);
    ASSERT_TRUE(testwait::WaitUntil([&] { return m_prompter.Count("Failed to connect") == 1; }));
    EXPECT_FALSE(dlg.m_com.IsOpen());
}

TEST_F(LinkTest, TheComPortDialogWithoutPortsOrWithCancel) {
    CravloDlg& dlg = Start();
    QStringList listed;
    ChooseComPort({}, listed);
    dlg.OnConnectionCom();
    EXPECT_TRUE(listed.isEmpty());
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"can't not open com"});
    EXPECT_FALSE(dlg.m_com.IsOpen());
    EXPECT_EQ(dlg.m_nLinkState, 0);

    // Cancel changes nothing, not even an open link.
    m_prompter.Clear();
    const std::string port = PlugKeypad();
    dlg.MenuAction(cmdid::kConnectionUsb)->trigger();
    ASSERT_TRUE(testwait::WaitUntil([&] { return Shows(kConnected); }));
    ChooseComPort(QString::fromStdString(port), listed, false);
    dlg.OnConnectionCom();
    EXPECT_TRUE(dlg.m_com.IsOpen());
    EXPECT_EQ(Status(), kConnected);
    EXPECT_EQ(dlg.m_nConnectVia, 2);
    EXPECT_TRUE(m_prompter.Texts().empty());

    // A listed port that does not open.
    std::filesystem::remove(port);
    std::filesystem::create_symlink(m_xdg.Root().toStdString() + "/gone", port);
    ChooseComPort(QString::fromStdString(port), listed);
    dlg.OnConnectionCom();
    EXPECT_EQ(m_prompter.Texts(), (std::vector<std::string>{"Can not Open COM", "can't not open com"}));
    EXPECT_FALSE(dlg.m_com.IsOpen());
}

TEST_F(LinkTest, ForgetDevice) {
    CravloDlg& dlg = Start();
    // Link closed: only the link's own message follows the question.
    m_prompter.QueueAnswer(prompt::Answer::Ok);
    dlg.OnForgetDevice();
    EXPECT_EQ(m_prompter.Texts(), (std::vector<std::string>{"Unusual|Forget device,\rare you sure ? ",
                                                            "Please connect with USB first"}));

    m_dlg.reset();
    m_prompter.Clear();
    CravloDlg& connected = StartConnected();
    m_prompter.QueueAnswer(prompt::Answer::Cancel);
    connected.OnForgetDevice();
    m_prompter.QueueAnswer(prompt::Answer::Ok);
    connected.OnForgetDevice();
    ASSERT_TRUE(testwait::WaitUntil([&] { return m_prompter.Texts().size() == 3; }));
    EXPECT_EQ(m_prompter.Texts(), (std::vector<std::string>{"Unusual|Forget device,\rare you sure ? ",
                                                            "Unusual|Forget device,\rare you sure ? ",
                                                            "set success,please reboot device!"}));
    ASSERT_TRUE(testwait::WaitUntil([&] { return m_sim.FrameCount() == 2; }));
    EXPECT_EQ(m_sim.Frames().back(), "QVM000681CLRE8FENND");
    EXPECT_EQ(connected.m_nLinkState, 0);
}

TEST_F(LinkTest, IrStudyAndNormalModeSwitch) {
    CravloDlg& dlg = Start();
    auto* mode = qobject_cast<QComboBox*>(dlg.Control(1184));
    ASSERT_NE(mode, nullptr);
    EXPECT_TRUE(mode->isHidden());
    EXPECT_TRUE(dlg.Control(1185)->isHidden());
    EXPECT_TRUE(dlg.Control(1202)->isHidden());

    // Nothing chosen yet.
    dlg.OnBnClickedSetMode();
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"please choose mode!"});

    // Link closed: the link's message only.
    m_prompter.Clear();
    mode->setCurrentIndex(mode->findText("IR study"));
    dlg.OnBnClickedSetMode();
    ASSERT_TRUE(testwait::DrainPostedEvents());
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"Please connect with USB first"});

    m_dlg.reset();
    m_prompter.Clear();
    CravloDlg& connected = StartConnected();
    mode = qobject_cast<QComboBox*>(connected.Control(1184));
    mode->setCurrentIndex(mode->findText("IR study"));
    qobject_cast<QPushButton*>(connected.Control(1185))->click();
    ASSERT_TRUE(testwait::WaitUntil([&] { return m_prompter.Count("set success!") == 1; }));
    mode->setCurrentIndex(mode->findText("Normal status"));
    connected.OnBnClickedSetMode();
    ASSERT_TRUE(testwait::WaitUntil([&] { return m_prompter.Count("set success!") == 2; }));
    ASSERT_TRUE(testwait::WaitUntil([&] { return m_sim.FrameCount() == 3; }));
    EXPECT_EQ(m_sim.Frames(),
              (std::vector<std::string>{kConnectFrameText, "QVMSTUDYIRENND", "QVMNORMALMODEENND"}));
    EXPECT_EQ(connected.m_nLinkState, 0);
}

TEST_F(LinkTest, HiddenOpenAndCloseButtons) {
    const std::string port = PlugKeypad();
    CravloDlg& dlg = Start();
    auto* open = qobject_cast<QPushButton*>(dlg.Control(1165));
    auto* close = qobject_cast<QPushButton*>(dlg.Control(1093));
    ASSERT_TRUE(open && close);
    EXPECT_TRUE(open->isHidden());
    EXPECT_TRUE(close->isHidden());
    EXPECT_TRUE(dlg.Control(1025)->isHidden());
    EXPECT_TRUE(dlg.Control(1164)->isHidden());

    QStringList listed;
    ChooseComPort(QString::fromStdString(port), listed);
    open->click();
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"sucess open com"});
    EXPECT_FALSE(open->isEnabled());
    EXPECT_TRUE(close->isEnabled());
    EXPECT_FALSE(dlg.IsTimerActive(4)) << "the hidden Open starts no time-out";
    ASSERT_TRUE(testwait::WaitUntil([&] { return dlg.m_nLinkState == 0; }));
    EXPECT_EQ(Status(), kConnected);
    EXPECT_EQ(dlg.m_nConnectVia, 0);

    close->click();
    EXPECT_FALSE(dlg.m_com.IsOpen());
    EXPECT_TRUE(open->isEnabled());
    EXPECT_FALSE(close->isEnabled());

    // Command 1092 has no text field to read: nothing goes out.
    m_prompter.Clear();
    dlg.OnBnClickedSendText();
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"Please connect with USB first"});
    ChooseComPort(QString::fromStdString(port), listed);
    dlg.OnBnClickedOpenPort();
    dlg.OnBnClickedSendText();
    ASSERT_TRUE(testwait::DrainPostedEvents());
    ASSERT_TRUE(testwait::WaitUntil([&] { return m_sim.FrameCount() == 2; }));
    EXPECT_EQ(m_sim.Frames(), (std::vector<std::string>{kConnectFrameText, kConnectFrameText}));
}
