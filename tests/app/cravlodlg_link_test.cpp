// Connecting, the connection display, device notices and what received
// chunks mean, end to end against the keypad simulator on a pseudo-terminal.
#include "controls/cqvmirlistctrl.h"
#include "device/irlearnreceiver.h"
#include "editors/cdlgireditlib.h"
#include "linkfixture.h"

#include <QPushButton>

#include <QWidget>
#include <algorithm>
#include <chrono>

namespace {

using testwait::DrainPostedEvents;
using testwait::WaitUntil;
using Clock = std::chrono::steady_clock;

constexpr const char* kConnectFrameText = "QVM000602CONE87ENND";
constexpr const char* kClearFrameText = "QVM000601CLRE87ENND";
constexpr const char* kLearnRequest = "QVM000603NONE93ENND";
const std::string kJunk(KeypadSimulator::kJunkReply, KeypadSimulator::kJunkReplySize);

// A top-level window titled "IR Edit" that records the learned codes handed
// to it, as the IR library editor takes them.
class FakeIrEditor : public QWidget, public IrLearnReceiver {
public:
    FakeIrEditor() { setWindowTitle(QStringLiteral("IR Edit")); }
    void OnLearnData(const char* frame, int length) override { frames.emplace_back(frame, size_t(length)); }
    std::vector<std::string> frames;
};

// The learned-code frame for 99 code bytes of one value, worked out by hand:
// the length field 0105 counts "03NONE" and the 99 bytes; "03NONE" sums to
// 0x30+0x33+0x4E+0x4F+0x4E+0x45 = 0x193, so the checksum is the low byte of
// 0x193 + 99 x the value: 0x11 gives 0x826, "26"; 0x22 0xEB9, "B9"; 0x33
// 0x154C, "4C"; 0x44 0x1BDF, "DF"; 0x55 0x2272, "72"; 0x66 0x2905, "05";
// 0x77 0x2F98, "98".
std::string LearnedFrame(char code = 0x11, const char* checksum = "26") {
    return "QVM0105" + std::string("03NONE") + std::string(99, code) + checksum + "ENND";
}

long long MsSince(Clock::time_point t0) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - t0).count();
}

} // namespace

TEST_F(LinkTest, UsbConnectShowsConnectedAndChecksTheUsbEntry) {
    PlugKeypad();
    CravloDlg& dlg = Start();
    EXPECT_EQ(Status(), kAwaiting);
    g_hReplyEvent.Reset();

    dlg.MenuAction(cmdid::kConnectionUsb)->trigger();
    EXPECT_EQ(dlg.m_nLinkState, 2);
    EXPECT_TRUE(dlg.IsTimerActive(4));
    EXPECT_FALSE(UsbChecked()) << "choosing the entry does not check it";
    ASSERT_TRUE(WaitUntil([&] { return dlg.m_nLinkState == 0; }));

    EXPECT_EQ(Status(), kConnected);
    EXPECT_TRUE(UsbChecked());
    EXPECT_TRUE(dlg.m_com.IsOpen());
    EXPECT_EQ(dlg.m_nConnectVia, 2);
    EXPECT_FALSE(dlg.IsTimerActive(4));
    EXPECT_EQ(m_sim.Frames(), std::vector<std::string>{kConnectFrameText});
    EXPECT_EQ(g_hReplyEvent.Wait(0), AutoResetEvent::WaitResult::Signalled);
    EXPECT_TRUE(m_prompter.Texts().empty());

    // Disconnect closes the link and shows the port search's answer again.
    dlg.MenuAction(cmdid::kConnectionDisconnect)->trigger();
    EXPECT_FALSE(dlg.m_com.IsOpen());
    EXPECT_EQ(Status(), kAwaiting);
    EXPECT_FALSE(UsbChecked());
    EXPECT_EQ(dlg.m_nConnectVia, 0);
}

TEST_F(LinkTest, ASilentDeviceFailsToConnectAfterTheTimeOutAndThePortCloses) {
    m_sim.SetSilent(true);
    PlugKeypad();
    CravloDlg& dlg = Start();
    const auto started = Clock::now();
    dlg.MenuAction(cmdid::kConnectionUsb)->trigger();
    ASSERT_TRUE(dlg.m_com.IsOpen());

    ASSERT_TRUE(WaitUntil([&] { return m_prompter.Count("Failed to connect") == 1; }));
    EXPECT_GE(MsSince(started), FastTiming().usbConnectReplyMs - 20);
    EXPECT_FALSE(dlg.m_com.IsOpen());
    EXPECT_EQ(dlg.m_nLinkState, 0);
    EXPECT_FALSE(dlg.IsTimerActive(4));
    EXPECT_FALSE(UsbChecked());
    EXPECT_EQ(Status(), kAwaiting);
    EXPECT_EQ(m_sim.Frames(), std::vector<std::string>{kConnectFrameText});
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"Failed to connect"});
}

// Also after an earlier connect: the new attempt claims no connection.
TEST_F(LinkTest, AFirstChunkWithoutConeEndsTheWaitLeavesThePortOpenAndChecksNothing) {
    CravloDlg& dlg = StartConnected();
    ASSERT_TRUE(UsbChecked());
    m_sim.SetJunkReplies(true);
    dlg.MenuAction(cmdid::kConnectionUsb)->trigger();
    ASSERT_TRUE(WaitUntil([&] { return dlg.m_nLinkState == 0; }));

    EXPECT_TRUE(dlg.m_com.IsOpen());
    EXPECT_FALSE(dlg.IsTimerActive(4)) << "no \"Failed to connect\" follows";
    EXPECT_EQ(Status(), kAwaiting);
    EXPECT_FALSE(UsbChecked());
    EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(LinkTest, OnlyTheFirstChunkAndOnlyItsFirst20BytesCountForCone) {
    m_sim.SetSilent(true);
    PlugKeypad();
    CravloDlg& dlg = Start();
    struct Case {
        std::string reply;
        bool connected;
    };
    const Case cases[] = {
        {"CONE", true},
        {"0123456789abcdefCONE", true},      // bytes 16-19
        {"0123456789abcdefgCONE", false},    // ends at byte 20
        {std::string("AB\0CONE", 7), false}, // behind a NUL byte
        {"QVM000602CONE87ENND", true},
    };
    for (const Case& c : cases) {
        dlg.OnConnectionDisconnect();
        dlg.MenuAction(cmdid::kConnectionUsb)->trigger();
        ASSERT_EQ(dlg.m_nLinkState, 2);
        m_sim.Send(c.reply);
        ASSERT_TRUE(WaitUntil([&] { return dlg.m_nLinkState == 0; })) << c.reply;
        EXPECT_EQ(Status(), c.connected ? kConnected : kAwaiting) << c.reply;
        EXPECT_EQ(UsbChecked(), c.connected) << c.reply;
        EXPECT_TRUE(dlg.m_com.IsOpen());
    }

    // A reply split over two chunks: its first half decides, the second only
    // releases a waiter.
    dlg.OnConnectionDisconnect();
    dlg.MenuAction(cmdid::kConnectionUsb)->trigger();
    m_sim.Send("QVM000602C");
    ASSERT_TRUE(WaitUntil([&] { return dlg.m_nLinkState == 0; }));
    g_hReplyEvent.Reset();
    m_sim.Send("ONE87ENND");
    EXPECT_TRUE(WaitUntil([] { return g_hReplyEvent.Wait(0) == AutoResetEvent::WaitResult::Signalled; }));
    EXPECT_EQ(Status(), kAwaiting);
    EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(LinkTest, AFailedReconnectNoLongerShowsConnected) {
    CravloDlg& dlg = StartConnected();
    m_sim.SetSilent(true);
    dlg.MenuAction(cmdid::kConnectionUsb)->trigger();
    EXPECT_EQ(Status(), kAwaiting) << "the link was closed for the new attempt";
    ASSERT_TRUE(WaitUntil([&] { return m_prompter.Count("Failed to connect") == 1; }));
    EXPECT_EQ(Status(), kAwaiting);
    EXPECT_FALSE(dlg.m_com.IsOpen());
}

TEST_F(LinkTest, UsbConnectWithoutAUsbSerialPort) {
    CravloDlg& dlg = Start();
    EXPECT_EQ(Status(), kDisconnected);
    dlg.MenuAction(cmdid::kConnectionUsb)->trigger();
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"Please connect the USB Wire first."});
    EXPECT_FALSE(dlg.m_com.IsOpen());
    EXPECT_EQ(dlg.m_nLinkState, 0);

    // A port that came without a notice: the display catches up and the
    // connect goes ahead.
    m_prompter.Clear();
    PlugKeypad();
    dlg.MenuAction(cmdid::kConnectionUsb)->trigger();
    ASSERT_TRUE(WaitUntil([&] { return Shows(kConnected); }));
    EXPECT_TRUE(m_prompter.Texts().empty());

    // No tty class folder at all: the port search itself fails.
    m_dlg->OnConnectionDisconnect();
    usbserial::SetRoots({m_xdg.Root().toStdString() + "/none", "/dev"});
    dlg.MenuAction(cmdid::kConnectionUsb)->trigger();
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"Cannot find USB"});
    EXPECT_EQ(dlg.m_nConnectVia, 0);
}

TEST_F(LinkTest, AUsbSerialPortThatDoesNotOpenIsSkippedSilently) {
    m_usb->Plug("ttyACM0", m_xdg.Root().toStdString() + "/no-such-tty");
    CravloDlg& dlg = Start();
    EXPECT_EQ(Status(), kAwaiting);
    dlg.MenuAction(cmdid::kConnectionUsb)->trigger();
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"Can not Open COM"}); // the link's own
    EXPECT_EQ(dlg.m_nLinkState, 0);
    EXPECT_EQ(dlg.m_nConnectVia, 0);
    EXPECT_FALSE(dlg.IsTimerActive(4));
}

TEST_F(LinkTest, ADeviceNoticeClosesTheLinkOnlyWhenItsOwnPortHasGone) {
    CravloDlg& dlg = StartConnected();
    ASSERT_NE(dlg.m_deviceNotices, nullptr);
    // Connected by the USB search, or closed with everything reset.
    const auto expectLink = [&](bool open, const char* status) {
        EXPECT_EQ(dlg.m_com.IsOpen(), open);
        EXPECT_EQ(Status(), status);
        EXPECT_EQ(UsbChecked(), open);
        EXPECT_EQ(dlg.m_nConnectVia, open ? 2 : 0);
    };

    // Another USB device (here a second USB-serial port) comes and goes.
    m_usb->Plug("ttyACM1", "/dev/null");
    dlg.m_deviceNotices->Notify(UsbDeviceChange::Arrival);
    m_usb->Unplug("ttyACM1");
    dlg.m_deviceNotices->Notify(UsbDeviceChange::RemoveComplete);
    expectLink(true, kConnected);

    // The keypad goes away: the link closes, "Disconnected".
    m_usb->Unplug("ttyACM0");
    dlg.m_deviceNotices->Notify(UsbDeviceChange::RemoveComplete);
    expectLink(false, kDisconnected);

    // With no link open a notice refreshes the display.
    PlugKeypad();
    dlg.m_deviceNotices->Notify(UsbDeviceChange::Arrival);
    EXPECT_EQ(Status(), kAwaiting);
    EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(LinkTest, AHangUpResetsTheDisplay) {
    CravloDlg& dlg = StartConnected();
    m_sim.HangUp();
    ASSERT_TRUE(WaitUntil([&] { return !dlg.m_com.IsOpen(); }));
    EXPECT_EQ(Status(), kAwaiting);
    EXPECT_FALSE(UsbChecked());
    EXPECT_EQ(dlg.m_nConnectVia, 0);
    EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(LinkTest, ChunksReleaseTheUploadOnlyOutsideTheClears) {
    CravloDlg& dlg = StartConnected();
    m_sim.SetSilent(true);
    auto signalled = [] { return g_hReplyEvent.Wait(0) == AutoResetEvent::WaitResult::Signalled; };

    for (int state : {0, 1}) { // idle, uploading: any chunk at all
        dlg.m_nLinkState = state;
        g_hReplyEvent.Reset();
        m_sim.Send("?");
        EXPECT_TRUE(WaitUntil(signalled)) << state;
    }

    // Clearing: "CLRE" twice in one chunk counts once; nothing is released.
    dlg.m_nLinkState = 4;
    dlg.m_nClearReplies = 0;
    dlg.m_bRxBusy = true;
    g_hReplyEvent.Reset();
    m_sim.Send("CLRECLRE");
    ASSERT_TRUE(WaitUntil([&] { return dlg.m_nClearReplies == 1; }));
    EXPECT_EQ(dlg.m_nLinkState, 4);
    m_sim.Send("xxCLRE");
    ASSERT_TRUE(WaitUntil([&] { return dlg.m_nLinkState == 0; }));
    EXPECT_EQ(dlg.m_nClearReplies, 2);
    EXPECT_FALSE(dlg.m_bRxBusy);
    EXPECT_FALSE(signalled());

    // Clearing before an upload: the device's own two acknowledgements
    // start the upload and stop its clear timer.
    m_sim.SetSilent(false);
    dlg.m_nClearReplies = 0;
    dlg.m_nLinkState = 5;
    dlg.SetTimer(6, 60000);
    ASSERT_EQ(dlg.m_com.Write(kClearFrameText), 19);
    ASSERT_TRUE(WaitUntil([&] { return dlg.m_nLinkState == 1; }));
    EXPECT_EQ(dlg.m_nClearReplies, 0);
    EXPECT_FALSE(dlg.IsTimerActive(6));
    EXPECT_FALSE(signalled());
    dlg.m_nLinkState = 0;
}

TEST_F(LinkTest, ALearnedCodeFromSplitChunksReachesTheIrEditorOnce) {
    CravloDlg& dlg = StartConnected();
    FakeIrEditor editor;
    KeypadSimulator::LearnedCode code;
    code.fill(0x11);
    m_sim.SetLearnedCode(code);
    m_sim.SetSplitPauseMs(300); // two chunks of 59 bytes

    // As the editor's Learn does it.
    dlg.m_bIrLearning = true;
    dlg.m_bRxBusy = false;
    ASSERT_EQ(dlg.m_com.Write(kLearnRequest), 19);
    ASSERT_TRUE(WaitUntil([&] { return !editor.frames.empty(); }));
    ASSERT_TRUE(WaitUntil([&] { return m_sim.SendQueueEmpty(); }));
    ASSERT_TRUE(DrainPostedEvents());

    EXPECT_EQ(editor.frames, std::vector<std::string>{LearnedFrame()});
    EXPECT_EQ(dlg.m_nRxFrameLen, 118);
    EXPECT_FALSE(dlg.m_bRxBusy);
    EXPECT_TRUE(dlg.m_bIrLearning) << "learning stays on while the editor is open";
    EXPECT_EQ(Status(), kConnected);
    EXPECT_TRUE(m_prompter.Texts().empty());

    // A wrong checksum is not handed over; learning goes on.
    m_sim.SetSilent(true);
    g_hReplyEvent.Reset();
    m_sim.Send(LearnedFrame(0x11, "27"));
    ASSERT_TRUE(WaitUntil([] { return g_hReplyEvent.Wait(0) == AutoResetEvent::WaitResult::Signalled; }));
    EXPECT_EQ(editor.frames.size(), 1u);
    EXPECT_FALSE(dlg.m_bRxBusy);
    EXPECT_TRUE(dlg.m_bIrLearning);

    // A whole frame shorter than 99 bytes is no learned code.
    m_sim.Send(kConnectFrameText);
    ASSERT_TRUE(WaitUntil([&] { return dlg.m_nRxFrameLen == 19; }));
    EXPECT_EQ(editor.frames.size(), 1u);

    // Junk, a frame, junk and a second frame in one chunk: both codes.
    m_sim.Send(kJunk + LearnedFrame() + "\r\n" + LearnedFrame(0x22, "B9"));
    ASSERT_TRUE(WaitUntil([&] { return editor.frames.size() == 3; }));
    EXPECT_EQ(editor.frames,
              (std::vector<std::string>{LearnedFrame(), LearnedFrame(), LearnedFrame(0x22, "B9")}));
    EXPECT_FALSE(dlg.m_bRxBusy);
}

// Whatever bytes come before a whole learned frame (a frame cut at its end
// or in its middle, a wrong checksum, a spoilt trailer, stray headers of
// short or long frames, junk), the whole frame reaches the editor exactly
// once, in one chunk with them, in a chunk of its own or byte by byte; and
// nothing handed over mixes the bytes of the two.
TEST_F(LinkTest, WhileLearningBytesThatAreNoWholeFrameLoseNoWholeFrame) {
    CravloDlg& dlg = Start();
    FakeIrEditor editor;
    dlg.m_bIrLearning = true;
    const std::string damaged = LearnedFrame(), whole = LearnedFrame(0x22, "B9");
    std::vector<std::string> before = {LearnedFrame(0x11, "27"), kJunk, std::string(300, 'x')};
    for (const char* trailer : {"ENNX", "EXND", "XXXX"})
        before.push_back(damaged.substr(0, 114) + trailer);
    for (const char* stray :
         {"QVM0001X", "QVM0001XY", "QVM0001", "QVM0006", "QVM0105\r\n", "QVM0500abc", "QVM1105", "QVM2035",
          "QVM2035QVM0500QVM0001X", "\r\n", "Q", "QV", "QVM", "QVM?"})
        before.push_back(stray);
    for (size_t lost = 1; lost <= 120; ++lost)
        before.push_back(damaged.substr(0, damaged.size() - std::min(lost, damaged.size())));
    for (size_t lost = 1; lost <= 9; ++lost)
        for (const size_t at : {5, 20, 60, 110})
            before.push_back(std::string(damaged).erase(at, lost));
    for (const std::string& first : before) {
        std::vector<std::vector<std::string>> splits = {{first + whole}, {first, whole}, {}};
        for (const char byte : first + whole)
            splits.back().emplace_back(1, byte);
        for (const std::vector<std::string>& chunks : splits) {
            editor.frames.clear();
            dlg.m_bRxBusy = false;
            for (const std::string& chunk : chunks)
                dlg.OnRsComData(chunk.data(), int(chunk.size()));
            // Byte by byte, the frame is handed over before the last "D".
            const auto isWhole = [&](const std::string& frame) {
                return frame.size() >= whole.size() - 1 && whole.starts_with(frame);
            };
            const std::vector<std::string>& frames = editor.frames;
            EXPECT_EQ(std::count_if(frames.begin(), frames.end(), isWhole), 1)
                << first << " in " << chunks.size();
            for (const std::string& frame : frames)
                EXPECT_TRUE(isWhole(frame) || first.starts_with(frame)) << frame;
            EXPECT_FALSE(dlg.m_bRxBusy) << first;
        }
    }
}

// With the IR library editor open, stray bytes before and between the
// keypad's learned-code frames lose no code, as chunks of their own or in
// the frame's chunk.
TEST_F(LinkTest, WhileLearningStrayBytesLoseNoCode) {
    CravloDlg& dlg = StartConnected();
    m_sim.SetSilent(true); // the test says what the keypad sends
    m_sim.ClearRecord();
    CDlgIREditLib editor(&dlg, &dlg);
    editor.show();
    for (const char* name : {"Power", "Mute", "Input"})
        editor.m_listCodes->AddItem(name, std::string(99, 'F'));
    const auto code = [&](int row) { return editor.m_listCodes->GetItemText(row, 2); };
    // Sends the chunks with row selected; true once its code is `hex`.
    const auto learn = [&](int row, const std::vector<std::string>& chunks, char hex) {
        editor.m_listCodes->SelectItem(row);
        m_sim.SendChunks(chunks, 4 * FastTiming().chunkGapMs);
        return WaitUntil([&] { return code(row) == std::string(198, hex); });
    };
    editor.m_btnLearn->click();
    ASSERT_TRUE(WaitUntil([&] { return m_sim.FrameCount() == 1; }));
    EXPECT_EQ(m_sim.Frames(), std::vector<std::string>{kLearnRequest});

    // A line end before the frame.
    EXPECT_TRUE(learn(0, {"\r\n", LearnedFrame(0x11, "26")}, '1'));
    EXPECT_TRUE(learn(1, {"\r\n" + LearnedFrame(0x22, "B9")}, '2'));
    // Junk, a frame, junk that begins like a frame but cannot be one, a
    // second frame.
    EXPECT_TRUE(learn(0, {kJunk, LearnedFrame(0x33, "4C")}, '3'));
    EXPECT_TRUE(learn(1, {"QVM?\r\n", LearnedFrame(0x44, "DF")}, '4'));
    // Three chunks, cut inside "QVM" and inside the code.
    const std::string frame = LearnedFrame(0x55, "72");
    EXPECT_TRUE(learn(2, {frame.substr(0, 2), frame.substr(2, 58), frame.substr(60)}, '5'));
    // A frame cut short, then a whole one: the whole one is not used to
    // complete the cut one, and arrives.
    EXPECT_TRUE(learn(0, {LearnedFrame(0x66, "05").substr(0, 57), LearnedFrame(0x77, "98")}, '7'));

    // A wrong checksum changes nothing.
    g_hReplyEvent.Reset();
    m_sim.Send(LearnedFrame(0x11, "27"));
    ASSERT_TRUE(WaitUntil([] { return g_hReplyEvent.Wait(0) == AutoResetEvent::WaitResult::Signalled; }));
    EXPECT_EQ(code(2), std::string(198, '5'));
    EXPECT_EQ(code(0), std::string(198, '7'));
    EXPECT_EQ(code(1), std::string(198, '4'));
    EXPECT_TRUE(dlg.m_bIrLearning);
    EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(LinkTest, WhileLearningAConnectReplyIsLearnedCodeData) {
    PlugKeypad();
    CravloDlg& dlg = Start();
    FakeIrEditor editor;
    dlg.m_bIrLearning = true;
    dlg.MenuAction(cmdid::kConnectionUsb)->trigger();
    ASSERT_TRUE(WaitUntil([&] { return dlg.m_nRxFrameLen == 19; }));
    EXPECT_EQ(std::string(dlg.m_rxFrame.data(), 19), kConnectFrameText);
    EXPECT_EQ(dlg.m_nLinkState, 2) << "not taken as the connect reply";
    EXPECT_EQ(Status(), kAwaiting);
    EXPECT_TRUE(editor.frames.empty());
}

TEST_F(LinkTest, WithoutAnIrEditorLearningEnds) {
    CravloDlg& dlg = StartConnected();
    m_sim.SetSilent(true);
    dlg.m_bIrLearning = true;
    // The frame arrives in three pieces; only the last completes it.
    const std::string frame = LearnedFrame();
    m_sim.Send(frame.substr(0, 5));
    ASSERT_TRUE(WaitUntil([&] { return dlg.m_bRxBusy; }));
    EXPECT_EQ(dlg.m_nRxCount, 5);
    m_sim.Send(frame.substr(5, 100));
    ASSERT_TRUE(WaitUntil([&] { return dlg.m_nRxCount == 105; }));
    EXPECT_TRUE(dlg.m_bIrLearning);
    m_sim.Send(frame.substr(105));
    ASSERT_TRUE(WaitUntil([&] { return !dlg.m_bIrLearning; }));
    EXPECT_FALSE(dlg.m_bRxBusy);
    EXPECT_EQ(std::string(dlg.m_rxFrame.data(), 118), frame);
}

TEST_F(LinkTest, ClosingTheWindowClosesTheLink) {
    StartConnected();
    const int readers = CRsCom::ReaderCount();
    EXPECT_EQ(readers, 1);
    m_dlg.reset();
    EXPECT_EQ(CRsCom::ReaderCount(), 0);
}

// The byte-by-byte assembler hands a frame over once L + 12 bytes are held
// (the last "D" of "ENND" is not waited for), or whatever came when its
// time-out fires; either way the reply event follows from the event loop.
TEST_F(LinkTest, TheByteAssemblerHandsOverOnLengthOrOnTimeOut) {
    CravloDlg& dlg = Start();
    auto signalled = [] { return g_hReplyEvent.Wait(0) == AutoResetEvent::WaitResult::Signalled; };

    g_hReplyEvent.Reset();
    const std::string frame = kConnectFrameText; // L = 6: handed over at 18 bytes
    for (size_t i = 0; i + 1 < 18; ++i)
        dlg.OnRxByte(frame[i]);
    EXPECT_TRUE(dlg.m_bRxBusy);
    EXPECT_TRUE(dlg.IsTimerActive(timerid::kRxByte));
    dlg.OnRxByte(frame[17]);
    EXPECT_FALSE(dlg.m_bRxBusy);
    EXPECT_EQ(dlg.m_nRxCount, 0);
    EXPECT_FALSE(dlg.IsTimerActive(timerid::kRxByte));
    EXPECT_EQ(dlg.m_nRxFrameLen, 18);
    EXPECT_EQ(std::string(dlg.m_rxFrame.data(), 18), "QVM000602CONE87ENN");
    EXPECT_FALSE(signalled()); // posted, not yet run
    EXPECT_TRUE(WaitUntil(signalled));

    for (char byte : std::string("QVM00"))
        dlg.OnRxByte(byte);
    dlg.OnTimer(timerid::kRxByte);
    EXPECT_FALSE(dlg.m_bRxBusy);
    EXPECT_EQ(dlg.m_nRxCount, 0);
    EXPECT_FALSE(dlg.IsTimerActive(timerid::kRxByte));
    EXPECT_EQ(dlg.m_nRxFrameLen, 5);
    EXPECT_EQ(std::string(dlg.m_rxFrame.data(), 6), std::string("QVM00\0", 6)); // the buffer was zeroed
    EXPECT_TRUE(WaitUntil(signalled));
}
