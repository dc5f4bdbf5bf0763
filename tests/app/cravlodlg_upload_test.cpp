// The upload through the main window against the keypad simulator on a
// pseudo-terminal: the frames it receives, the upload log, the messages,
// Cancel, a silent device, a device that goes away and a window that closes
// while the worker runs.
#include "linkfixture.h"

#include "app/cdlgprogress.h"
#include "device/crscom.h"
#include "device/devicetiming.h"
#include "support/keypad_simulator.h"
#include "support/wait.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <chrono>
#include <optional>
#include <thread>

using namespace std::string_literals;
using testwait::WaitUntil;

namespace {

using Clock = std::chrono::steady_clock;

const std::string kClear = "QVM000601CLRE87ENND";
const std::string kAsk = "|Clear all data? \r\nYes or No ?";
const std::string kRelay = "RELY : 1 : 0 : 0";
const std::string kDelay = "DELY : 1 : 2 : 30 : 1 : 0102301";
const std::string kRelayPress = "QVM003340PRES0100010163RELY020000000001039ENND";

std::string IrText() {
    std::string code;
    for (int i = 0; i < 99; ++i)
        code += "a5";
    return "INFR : TV : Power : 0 : 1 : 0 : 1 : 1 : c6 : " + code;
}

// The set-up frames of model 0, device ID 0, port mode 0, key 1 named AB in
// group 1 and every other key without a name or group.
const std::vector<std::string> kSetupFrames = {
    "QVM000831SYSI000CENND",
    "QVM000735UAIR0C9ENND",
    "QVM001233KYNA01  ABBDENND",
    "QVM001233KYNA02    7BENND",
    "QVM001233KYNA03    7CENND",
    "QVM001233KYNA04    7DENND",
    "QVM001233KYNA05    7EENND",
    "QVM001233KYNA06    7FENND",
    "QVM001233KYNA07    80ENND",
    "QVM001233KYNA08    81ENND",
    "QVM001233KYNA09    82ENND",
    "QVM001233KYNA10    7AENND",
    "QVM001233KYNA11    7BENND",
    "QVM001233KYNA12    7CENND",
    "QVM001233KYNA13    7DENND",
    "QVM001233KYNA14    7EENND",
    "QVM001233KYNA15    7FENND",
    "QVM001233KYNA16    80ENND",
    "QVM001233KYNA17    81ENND",
    "QVM001233KYNA18    82ENND",
    "QVM001233KYNA19    83ENND",
    "QVM001233KYNA20    7BENND",
    "QVM001233KYNA21    7CENND",
    "QVM001233KYNA22    7DENND",
    "QVM001233KYNA23    7EENND",
    "QVM001233KYNA24    7FENND",
    "QVM001233KYNA25    80ENND",
    "QVM001233KYNA26    81ENND",
    "QVM001233KYNA27    82ENND",
    "QVM001233KYNA28    83ENND",
    "QVM001233KYNA29    84ENND",
    "QVM001233KYNA30    7CENND",
    "QVM001233KYNA31    7DENND",
    "QVM001233KYNA32    7EENND",
    "QVM000934LIPR0102FENND",
    "QVM000934LIPR02030ENND",
    "QVM000934LIPR03031ENND",
    "QVM000934LIPR04032ENND",
    "QVM000934LIPR05033ENND",
    "QVM000934LIPR06034ENND",
    "QVM000934LIPR07035ENND",
    "QVM000934LIPR08036ENND",
    "QVM001232KYSG01\x00\x00\x00\x01"
    "05ENND"s,
};

// Key 1's press with 18 IR events, of which 16 fit.
std::string OverflowPressFrame() {
    std::string frame = "QVM191640PRES0100"
                        "18";
    const std::string ir = "61INFR010101010199" + std::string(99, '\xA5');
    for (int i = 1; i <= 16; ++i)
        frame += (i < 10 ? "0" : "") + std::to_string(i) + ir;
    return frame + "D1ENND";
}
const std::string kTimerFrame = "QVM003953TOUT2045010164DELY000000000007010230177ENND";

class UploadTest : public LinkTest {
protected:
    void SetUp() override {
        LinkTest::SetUp();
        DeviceTiming& timing = Timing();
        timing.chunkGapMs = 5;
        timing.setupReplyMs = 2000;
        timing.keyActionReplyMs = 4000;
        timing.uploadClearTickMs = 1000;
    }

    void ScaleTiming(int setupMs, int keyActionMs, int clearTickMs) {
        DeviceTiming timing = Timing();
        timing.setupReplyMs = setupMs;
        timing.keyActionReplyMs = keyActionMs;
        timing.uploadClearTickMs = clearTickMs;
        Timing() = timing;
    }

    // A window connected to the simulator by the USB menu; key 1 is named
    // AB and in group 1, no other key has a name.
    CravloDlg& StartWithKeys() {
        CravloDlg& dlg = StartConnected();
        for (CBaseButton& key : dlg.m_keys)
            key.m_strName.clear();
        dlg.m_keys[0].m_strName = "AB";
        dlg.m_keys[0].m_nGroup = 1;
        m_sim.ClearRecord();
        return dlg;
    }

    // Runs Upload, answering its question with OK; it returns when the
    // progress dialog has closed. `whileOpen` runs every 5 ms while the
    // dialog is open until it returns true. A dialog still open after the
    // bound is cancelled and the test fails.
    void RunUpload(CravloDlg& dlg, const std::function<bool()>& whileOpen = {}, int boundMs = 15000) {
        m_prompter.QueueAnswer(prompt::Answer::Ok);
        bool timedOut = false;
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [&] {
            timedOut = true;
            dlg.m_dlgProgress.reject();
        });
        guard.start(boundMs);
        QTimer poll;
        bool pollDone = !whileOpen;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (!pollDone && dlg.m_dlgProgress.isVisible())
                pollDone = whileOpen();
        });
        poll.start(5);
        dlg.OnConnectionUpload();
        EXPECT_FALSE(timedOut) << "the progress dialog stayed open";
    }

    static QString LogPath() { return GetLibraryFilePath("log.txt"); }
    static std::string Log() { return ReadFileBytes(LogPath()); }
};

bool StartsWith(const std::string& s, const std::string& prefix) {
    return s.compare(0, prefix.size(), prefix) == 0;
}

} // namespace

TEST_F(UploadTest, SendsEveryFrameInOrderAndLogsTheKeyActionFrames) {
    CravloDlg& dlg = StartWithKeys();
    dlg.m_keys[0].m_arrSlots[kSlotPress] = std::vector<std::string>(18, IrText());
    dlg.m_keys[32].m_nTimer = {10, 45, 7};
    dlg.m_keys[32].m_arrSlots[32] = {kDelay};
    dlg.m_keys[33].m_arrSlots[24] = {"  "}; // a blank placeholder: nothing sent

    RunUpload(dlg);

    ASSERT_TRUE(WaitUntil([&] { return !dlg.IsUploading(); }));
    std::vector<std::string> expected = {kClear};
    expected.insert(expected.end(), kSetupFrames.begin(), kSetupFrames.end());
    expected.push_back(OverflowPressFrame());
    expected.push_back(kTimerFrame);
    ASSERT_TRUE(WaitUntil([&] { return m_sim.FrameCount() >= expected.size(); }));
    EXPECT_EQ(m_sim.Frames(), expected);
    EXPECT_EQ(m_sim.Received().size(), [&] {
        size_t n = 0;
        for (const std::string& f : expected)
            n += f.size();
        return n;
    }()) << "bytes outside the frames";

    EXPECT_EQ(Log(), OverflowPressFrame() + "\r\n" + kTimerFrame + "\r\n");
    EXPECT_EQ(m_prompter.Texts(), (std::vector<std::string>{kAsk, "too more events", "event no success=0"}));
    EXPECT_EQ(dlg.m_nLinkState, CravloDlg::kLinkIdle);
    EXPECT_FALSE(dlg.m_dlgProgress.isVisible());
    EXPECT_FALSE(dlg.m_dlgProgress.m_bCancel);
    // 48 fixed steps and one group; the Action List shows no rows here.
    EXPECT_EQ(dlg.m_dlgProgress.m_progress->maximum(), 49);
    EXPECT_EQ(dlg.m_dlgProgress.Pos(), 49);
    EXPECT_EQ(dlg.m_dwGroupMask, 1u);
}

TEST_F(UploadTest, WithoutKeyActionsTheLogIsEmptied) {
    CravloDlg& dlg = StartWithKeys();
    ASSERT_TRUE(WriteFileBytes(LogPath(), "old upload\r\n"));

    RunUpload(dlg);

    ASSERT_TRUE(WaitUntil([&] { return !dlg.IsUploading(); }));
    ASSERT_TRUE(WaitUntil([&] { return m_sim.FrameCount() >= 1 + kSetupFrames.size(); }));
    EXPECT_EQ(m_sim.FrameCount(), 1 + kSetupFrames.size());
    EXPECT_EQ(Log(), "");
}

TEST_F(UploadTest, RefusedWithoutConnectionWhileBusyOrWhenNotConfirmed) {
    CravloDlg& dlg = StartWithKeys();
    dlg.m_keys[0].m_arrSlots[kSlotPress] = {kRelay};

    dlg.m_staticConnected->hide();
    dlg.OnConnectionUpload();
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"Please connect with USB first."});

    dlg.m_staticConnected->show();
    m_prompter.Clear();
    for (int state : {CravloDlg::kLinkUploading, CravloDlg::kLinkConnecting, CravloDlg::kLinkClearing,
                      CravloDlg::kLinkClearingForUpload}) {
        dlg.m_nLinkState = state;
        dlg.OnConnectionUpload();
    }
    EXPECT_EQ(m_prompter.Count("The machine is being clearing"), 4u);
    EXPECT_EQ(m_prompter.Texts().size(), 4u);

    dlg.m_nLinkState = CravloDlg::kLinkIdle;
    m_prompter.Clear();
    m_prompter.QueueAnswer(prompt::Answer::Cancel);
    dlg.OnConnectionUpload();
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{kAsk});
    EXPECT_EQ(dlg.m_nLinkState, CravloDlg::kLinkIdle);
    EXPECT_FALSE(dlg.IsUploading());

    // Nothing reached the device.
    EXPECT_TRUE(testwait::DrainPostedEvents());
    EXPECT_EQ(m_sim.FrameCount(), 0u);
}

// Cancel in the middle of a key action frame's wait closes the dialog at
// once; the worker sends nothing more and the link is idle again, so the
// next Upload runs whole.
TEST_F(UploadTest, CancelStopsBeforeTheNextKeyActionFrame) {
    CravloDlg& dlg = StartWithKeys();
    dlg.m_keys[0].m_arrSlots[kSlotPress] = {kRelay};
    dlg.m_keys[1].m_arrSlots[kSlotPress] = {kRelay};
    m_sim.SetSilent(true);
    ScaleTiming(5, 20000, 10);

    const auto started = Clock::now();
    RunUpload(dlg, [&] {
        if (m_sim.FrameCount() < 1 + kSetupFrames.size() + 1)
            return false;
        QTest::mouseClick(dlg.m_dlgProgress.m_btnCancel, Qt::LeftButton);
        return true;
    });
    EXPECT_FALSE(dlg.m_dlgProgress.isVisible());
    ASSERT_TRUE(WaitUntil([&] { return !dlg.IsUploading(); }, 3000));
    EXPECT_LT(Clock::now() - started, std::chrono::seconds(10)) << "the 20 s wait ran out";
    EXPECT_EQ(dlg.m_nLinkState, CravloDlg::kLinkIdle);
    ASSERT_EQ(m_sim.FrameCount(), 1 + kSetupFrames.size() + 1);
    EXPECT_EQ(m_sim.Frames().back(), kRelayPress);
    EXPECT_EQ(Log(), kRelayPress + "\r\n");
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{kAsk});

    // A new upload is accepted and not cancelled by the old Cancel.
    m_sim.SetSilent(false);
    m_sim.ClearRecord();
    ScaleTiming(2000, 4000, 1000);
    RunUpload(dlg);
    ASSERT_TRUE(WaitUntil([&] { return !dlg.IsUploading(); }));
    ASSERT_TRUE(WaitUntil([&] { return m_sim.FrameCount() >= 1 + kSetupFrames.size() + 2; }));
    const std::vector<std::string> frames = m_sim.Frames();
    ASSERT_EQ(frames.size(), 1 + kSetupFrames.size() + 2);
    EXPECT_EQ(frames.front(), kClear);
    EXPECT_TRUE(StartsWith(frames.back(), "QVM003340PRES0200"));
    EXPECT_EQ(dlg.m_nLinkState, CravloDlg::kLinkIdle);
}

// No acknowledgement of the clear and no reply to any frame: the clear
// takes its six ticks and every frame its whole wait, and the upload still
// ends with every frame sent once.
TEST_F(UploadTest, ASilentDeviceIsWaitedForAndTheUploadEnds) {
    CravloDlg& dlg = StartWithKeys();
    dlg.m_keys[0].m_arrSlots[kSlotPress] = {kRelay};
    dlg.m_keys[1].m_arrSlots[kSlotPress] = {kRelay};
    m_sim.SetSilent(true);
    constexpr int kTickMs = 40, kSetupMs = 15, kKeyActionMs = 150;
    ScaleTiming(kSetupMs, kKeyActionMs, kTickMs);

    const auto started = Clock::now();
    RunUpload(dlg);
    const auto took = Clock::now() - started;

    ASSERT_TRUE(WaitUntil([&] { return !dlg.IsUploading(); }));
    EXPECT_EQ(dlg.m_nLinkState, CravloDlg::kLinkIdle);
    ASSERT_TRUE(WaitUntil([&] { return m_sim.FrameCount() >= 1 + kSetupFrames.size() + 2; }));
    EXPECT_EQ(m_sim.FrameCount(), 1 + kSetupFrames.size() + 2);
    // The clear's ticks may come up to 5 % early; the reply waits never end
    // before their time.
    const int leastMs = 6 * kTickMs * 95 / 100 + int(kSetupFrames.size()) * kSetupMs + 2 * kKeyActionMs;
    EXPECT_GE(std::chrono::duration_cast<std::chrono::milliseconds>(took).count(), leastMs);
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{kAsk});
}

// The device goes away in the middle of the upload: the link's hang-up ends
// the upload at once with the link's one message, and the notice of the
// port's removal that follows adds none.
TEST_F(UploadTest, ALostDeviceEndsTheUploadWithOneMessage) {
    CravloDlg& dlg = StartWithKeys();
    for (int k = 0; k < 4; ++k)
        dlg.m_keys[k].m_arrSlots[kSlotPress] = {kRelay};
    m_sim.SetSilent(true);
    ScaleTiming(5, 20000, 10);

    const auto started = Clock::now();
    RunUpload(dlg, [&] {
        if (m_sim.FrameCount() < 1 + kSetupFrames.size() + 1)
            return false;
        m_usb->Unplug("ttyACM0");
        m_sim.HangUp();
        return true;
    });
    EXPECT_LT(Clock::now() - started, std::chrono::seconds(10)) << "the 20 s wait ran out";
    ASSERT_TRUE(WaitUntil([&] { return !dlg.IsUploading(); }));
    dlg.m_deviceNotices->Notify(UsbDeviceChange::RemoveComplete);
    EXPECT_FALSE(dlg.m_dlgProgress.isVisible());
    EXPECT_EQ(dlg.m_nLinkState, CravloDlg::kLinkIdle);
    EXPECT_EQ(m_prompter.Texts(), (std::vector<std::string>{kAsk, "Please connect with USB first"}));
    EXPECT_EQ(m_sim.Frames().back(), kRelayPress);
    EXPECT_EQ(Status(), kDisconnected);
}

// The notice of the keypad's removal comes before its hang-up: one message.
TEST_F(UploadTest, RemovingTheLinksOwnPortMidUploadGivesOneMessage) {
    CravloDlg& dlg = StartWithKeys();
    dlg.m_keys[0].m_arrSlots[kSlotPress] = {kRelay};
    m_sim.SetReplyDelayMs(20); // the upload lasts past the tenth frame's check
    RunUpload(dlg, [&] {
        if (m_sim.FrameCount() < 10)
            return false;
        m_usb->Unplug("ttyACM0");
        dlg.m_deviceNotices->Notify(UsbDeviceChange::RemoveComplete);
        m_sim.HangUp();
        return true;
    });
    ASSERT_TRUE(WaitUntil([&] { return !dlg.IsUploading(); }));
    ASSERT_TRUE(testwait::DrainPostedEvents());
    EXPECT_FALSE(dlg.m_dlgProgress.isVisible());
    EXPECT_EQ(dlg.m_nLinkState, CravloDlg::kLinkIdle);
    EXPECT_EQ(m_prompter.Texts(), (std::vector<std::string>{kAsk, "Please connect with USB first"}));
    EXPECT_EQ(Status(), kDisconnected);
}

// Another USB device plugged in and removed, during the clear and during
// the frames, leaves the link alone: every frame is sent, nothing is told.
TEST_F(UploadTest, AnotherUsbDeviceLeavesTheUploadAlone) {
    CravloDlg& dlg = StartWithKeys();
    dlg.m_keys[0].m_arrSlots[kSlotPress] = {kRelay};
    m_sim.SetReplyDelayMs(20);
    int notices = 0;
    const auto otherDevice = [&] {
        dlg.m_deviceNotices->Notify(UsbDeviceChange::Arrival);
        dlg.m_deviceNotices->Notify(UsbDeviceChange::RemoveComplete);
        ++notices;
    };
    RunUpload(dlg, [&] {
        if (notices == 0 && dlg.m_nLinkState == CravloDlg::kLinkClearingForUpload)
            otherDevice();
        else if (notices == 1 && m_sim.FrameCount() >= 10)
            otherDevice();
        return notices == 2;
    });
    ASSERT_EQ(notices, 2);
    ASSERT_TRUE(WaitUntil([&] { return !dlg.IsUploading(); }));
    std::vector<std::string> expected = {kClear};
    expected.insert(expected.end(), kSetupFrames.begin(), kSetupFrames.end());
    expected.push_back(kRelayPress);
    ASSERT_TRUE(WaitUntil([&] { return m_sim.FrameCount() >= expected.size(); }));
    EXPECT_EQ(m_sim.Frames(), expected);
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{kAsk});
    EXPECT_TRUE(dlg.m_com.IsOpen());
    EXPECT_EQ(Status(), kConnected);
    EXPECT_EQ(dlg.m_nLinkState, CravloDlg::kLinkIdle);
}

// A hang-up while the reply to the last frame is awaited is a lost link,
// not a finished upload.
TEST_F(UploadTest, AHangUpAwaitingTheLastReplyIsALostLink) {
    CravloDlg& dlg = StartWithKeys();
    dlg.m_keys[0].m_arrSlots[kSlotPress] = {kRelay};
    ScaleTiming(2000, 20000, 1000);
    m_sim.HangUpAtFrame(1 + kSetupFrames.size() + 1);

    const auto started = Clock::now();
    RunUpload(dlg);
    EXPECT_LT(Clock::now() - started, std::chrono::seconds(10)) << "the 20 s wait ran out";
    ASSERT_TRUE(WaitUntil([&] { return !dlg.IsUploading(); }));
    EXPECT_EQ(m_sim.FrameCount(), 1 + kSetupFrames.size() + 1);
    EXPECT_EQ(m_sim.Frames().back(), kRelayPress);
    EXPECT_EQ(m_prompter.Texts(), (std::vector<std::string>{kAsk, "Please connect with USB first"}));
    EXPECT_EQ(dlg.m_nLinkState, CravloDlg::kLinkIdle);
    EXPECT_FALSE(dlg.m_dlgProgress.isVisible());
}

// While the device clears (18 s at most here) the worker waits for a
// signal: Cancel and a hang-up end the upload at once, the hang-up with the
// link's one message.
TEST_F(UploadTest, DuringTheClearCancelAndAHangUpEndTheUploadAtOnce) {
    CravloDlg& dlg = StartWithKeys();
    dlg.m_keys[0].m_arrSlots[kSlotPress] = {kRelay};
    ScaleTiming(2000, 4000, 3000);
    m_sim.SetSilent(true); // no acknowledgement of the clear

    auto started = Clock::now();
    RunUpload(
        dlg,
        [&] {
            if (m_sim.FrameCount() < 1)
                return false;
            QTest::mouseClick(dlg.m_dlgProgress.m_btnCancel, Qt::LeftButton);
            return true;
        },
        6000);
    ASSERT_TRUE(WaitUntil([&] { return !dlg.IsUploading(); }, 2000));
    EXPECT_LT(Clock::now() - started, std::chrono::milliseconds(3000)) << "a tick of the clear passed";
    EXPECT_EQ(m_sim.Frames(), std::vector<std::string>{kClear});
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{kAsk});
    EXPECT_EQ(dlg.m_nLinkState, CravloDlg::kLinkIdle);

    m_sim.ClearRecord();
    m_prompter.Clear();
    m_sim.HangUpAtFrame(1);
    started = Clock::now();
    RunUpload(dlg, {}, 6000);
    EXPECT_LT(Clock::now() - started, std::chrono::milliseconds(3000)) << "a tick of the clear passed";
    ASSERT_TRUE(WaitUntil([&] { return !dlg.IsUploading(); }, 2000));
    EXPECT_EQ(m_sim.Frames(), std::vector<std::string>{kClear});
    EXPECT_EQ(m_prompter.Texts(), (std::vector<std::string>{kAsk, "Please connect with USB first"}));
    EXPECT_EQ(dlg.m_nLinkState, CravloDlg::kLinkIdle);
    EXPECT_FALSE(dlg.IsTimerActive(timerid::kUploadClear));
}

// A link that has closed since "Connected" was shown: the clear frame's
// write says so and nothing starts.
TEST_F(UploadTest, AClosedLinkStartsNothing) {
    CravloDlg& dlg = StartWithKeys();
    dlg.m_com.Close();
    m_prompter.QueueAnswer(prompt::Answer::Ok);
    dlg.OnConnectionUpload();
    EXPECT_FALSE(dlg.IsUploading());
    EXPECT_EQ(dlg.m_nLinkState, CravloDlg::kLinkIdle);
    EXPECT_EQ(m_prompter.Texts(), (std::vector<std::string>{kAsk, "Please connect with USB first"}));
}

// Timer 6: five ticks move the bar, the sixth ends the clear.
TEST_F(UploadTest, TheSixthClearTickEndsTheClear) {
    CravloDlg& dlg = Start();
    dlg.m_dlgProgress.m_nRange = 48;
    dlg.m_dlgProgress.show();
    dlg.m_nLinkState = CravloDlg::kLinkClearingForUpload;
    dlg.m_nClearTicks = 0;
    dlg.m_nClearReplies = 1;
    for (int tick = 1; tick <= 5; ++tick) {
        dlg.OnUploadClearTick();
        EXPECT_EQ(dlg.m_dlgProgress.Pos(), tick);
        EXPECT_EQ(dlg.m_nLinkState, CravloDlg::kLinkClearingForUpload);
    }
    dlg.OnUploadClearTick();
    EXPECT_EQ(dlg.m_nLinkState, CravloDlg::kLinkUploading);
    EXPECT_EQ(dlg.m_nClearReplies, 0);
    dlg.m_dlgProgress.hide();
}

// The window is destroyed while the worker waits for this thread to show a
// message: destruction serves the message, stops the worker and returns.
TEST_F(UploadTest, ClosingTheWindowDuringAnUploadStopsTheWorker) {
    CravloDlg& dlg = Start();
    dlg.m_keys[0].m_arrSlots[kSlotPress] = {kRelay};
    // The link is closed: the worker's first write shows the link's message
    // and waits for this thread to answer it.
    dlg.m_com.m_bWritten = true;
    ASSERT_TRUE(dlg.StartUploadThread());
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    while (dlg.m_com.m_bWritten && Clock::now() < deadline)
        std::this_thread::yield();
    ASSERT_FALSE(dlg.m_com.m_bWritten);

    m_dlg.reset();
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"Please connect with USB first"});
}

// The worker can also be stopped while it waits for a reply.
TEST_F(UploadTest, ClosingTheWindowCutsTheReplyWaitShort) {
    CravloDlg& dlg = StartWithKeys();
    dlg.m_keys[0].m_arrSlots[kSlotPress] = {kRelay};
    m_sim.SetSilent(true);
    ScaleTiming(20000, 20000, 10);
    ASSERT_TRUE(dlg.StartUploadThread());
    ASSERT_TRUE(WaitUntil([&] { return m_sim.FrameCount() >= 1; }));
    const auto started = Clock::now();
    m_dlg.reset();
    EXPECT_LT(Clock::now() - started, std::chrono::seconds(5));
    EXPECT_EQ(m_sim.FrameCount(), 1u);
}

// So can a worker waiting for the clear, which nothing else would end here.
TEST_F(UploadTest, ClosingTheWindowEndsTheWaitForTheClear) {
    CravloDlg& dlg = StartWithKeys();
    dlg.m_nLinkState = CravloDlg::kLinkClearingForUpload;
    ASSERT_TRUE(dlg.StartUploadThread());
    const auto started = Clock::now();
    m_dlg.reset();
    EXPECT_LT(Clock::now() - started, std::chrono::seconds(5));
    EXPECT_EQ(m_sim.FrameCount(), 0u);
}

// The hidden Send starts the worker at once: no question, no clear, no
// progress dialog; the hidden bar shows and Send stays disabled.
TEST_F(UploadTest, HiddenSendStartsTheWorkerDirectly) {
    CravloDlg& dlg = StartWithKeys();
    dlg.m_keys[0].m_arrSlots[kSlotPress] = {kRelay};
    dlg.OnBnClickedSend();
    EXPECT_FALSE(dlg.m_btnSend->isEnabled());
    EXPECT_FALSE(dlg.m_progressHidden->isHidden());
    EXPECT_EQ(dlg.m_progressHidden->maximum(), 0 + 2);
    dlg.OnBnClickedSend();
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"Send data ing"});

    ASSERT_TRUE(WaitUntil([&] { return !dlg.IsUploading(); }));
    std::vector<std::string> expected = kSetupFrames;
    expected.push_back(kRelayPress);
    ASSERT_TRUE(WaitUntil([&] { return m_sim.FrameCount() >= expected.size(); }));
    EXPECT_EQ(m_sim.Frames(), expected);
    EXPECT_EQ(dlg.m_nLinkState, CravloDlg::kLinkIdle);
    EXPECT_FALSE(dlg.m_dlgProgress.isVisible());
    EXPECT_FALSE(dlg.m_btnSend->isEnabled());

    dlg.m_com.Close();
    m_prompter.Clear();
    dlg.OnBnClickedSend();
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"Please connect with USB first"});
    EXPECT_FALSE(dlg.IsUploading());
}
