#include "device/crscom.h"
#include "device/devicetiming.h"
#include "platform/usbserialports.h"
#include "support/chunk_recorder.h"
#include "support/keypad_simulator.h"
#include "support/scripted_prompter.h"
#include "support/wait.h"

#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
using testwait::DrainPostedEvents;
using testwait::WaitUntil;

using Recorder = ChunkRecorder;

long long MsSince(Clock::time_point t0, Clock::time_point t1) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(t1 - t0).count();
}

class SerialLink : public ::testing::Test {
protected:
    ScriptedPrompter m_prompter;
    KeypadSimulator m_sim;
    Recorder m_rec;
    CRsCom m_com;
};

} // namespace

TEST_F(SerialLink, OpensRawAt115200AndTalksToTheDevice) {
    ASSERT_TRUE(m_com.Open(m_sim.PortPath(), &m_rec));
    EXPECT_TRUE(m_com.IsOpen());
    EXPECT_EQ(m_com.m_strPort, m_sim.PortPath());
    EXPECT_EQ(CRsCom::ReaderCount(), 1);

    const termios tio = m_sim.PortSettings();
    EXPECT_EQ(cfgetospeed(&tio), speed_t(B115200));
    EXPECT_EQ(cfgetispeed(&tio), speed_t(B115200));
    EXPECT_EQ(tio.c_cflag & CSIZE, tcflag_t(CS8));
    EXPECT_EQ(tio.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    EXPECT_EQ(tio.c_iflag & (IXON | IXOFF | ICRNL), 0u);
    EXPECT_EQ(tio.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(tio.c_oflag & OPOST, 0u);

    EXPECT_EQ(m_com.Write("QVM000602CONE87ENND"), 19);
    EXPECT_TRUE(m_com.m_bWritten);
    ASSERT_TRUE(WaitUntil([&] { return !m_rec.chunks.empty(); }));
    EXPECT_EQ(m_sim.Frames(), std::vector<std::string>{"QVM000602CONE87ENND"});
    EXPECT_EQ(m_rec.chunks, std::vector<std::string>{"QVM000602CONE87ENND"});
    EXPECT_TRUE(m_prompter.Texts().empty());

    m_com.Close();
    EXPECT_FALSE(m_com.IsOpen());
    EXPECT_EQ(m_com.m_strPort, "");
    EXPECT_EQ(CRsCom::ReaderCount(), 0);
    m_com.Close(); // harmless when closed
}

TEST_F(SerialLink, PortNamesLoseTheirBlanks) {
    std::string name = "  " + m_sim.PortPath() + " \t";
    name.insert(name.find("pts") + 1, "  ");
    ASSERT_TRUE(m_com.Open(name, &m_rec));
    EXPECT_EQ(m_com.m_strPort, m_sim.PortPath());
}

TEST_F(SerialLink, WritesAtMost2046Bytes) {
    ASSERT_TRUE(m_com.Open(m_sim.PortPath(), &m_rec));
    EXPECT_EQ(m_com.Write(std::string(3000, 'A')), 2046);
    ASSERT_TRUE(WaitUntil([&] { return m_sim.Received().size() >= 2046; }));
    EXPECT_EQ(m_sim.Received(), std::string(2046, 'A'));

    m_sim.ClearRecord();
    std::memset(g_txBuf, '-', sizeof g_txBuf);
    std::memcpy(g_txBuf, "QVM000603NONE93ENND", 19);
    m_com.m_bWritten = false;
    EXPECT_EQ(m_com.WriteTxBuffer(19), 19);
    EXPECT_FALSE(m_com.m_bWritten) << "only Write records the flag";
    EXPECT_EQ(m_com.WriteTxBuffer(5000), 2046);
    ASSERT_TRUE(WaitUntil([&] { return m_sim.Received().size() >= 19 + 2046; }));
    EXPECT_EQ(m_sim.Received(), "QVM000603NONE93ENND" + std::string(g_txBuf, 2046));
    EXPECT_EQ(m_com.WriteTxBuffer(-1), 0);
}

TEST_F(SerialLink, ThreeBytesThenSilenceArriveAsOneChunkAfterTheGap) {
    ASSERT_TRUE(m_com.Open(m_sim.PortPath(), &m_rec));
    const auto sent = Clock::now();
    m_sim.Send("abc");
    ASSERT_TRUE(WaitUntil([&] { return !m_rec.chunks.empty(); }));
    ASSERT_TRUE(DrainPostedEvents());
    EXPECT_EQ(m_rec.chunks, std::vector<std::string>{"abc"});
    EXPECT_GE(MsSince(sent, m_rec.times[0]), kChunkGapMs);
    EXPECT_LT(MsSince(sent, m_rec.times[0]), 1000);
}

TEST_F(SerialLink, AReplySplitByAPauseArrivesAsTwoChunks) {
    m_sim.SetSplitPauseMs(100);
    ASSERT_TRUE(m_com.Open(m_sim.PortPath(), &m_rec));
    EXPECT_EQ(m_com.Write("QVM000602CONE87ENND"), 19);
    ASSERT_TRUE(WaitUntil([&] { return m_rec.chunks.size() >= 2; }));
    EXPECT_EQ(m_rec.chunks, (std::vector<std::string>{"QVM000602", "CONE87ENND"}));
    EXPECT_GE(MsSince(m_rec.times[0], m_rec.times[1]), 100 - kChunkGapMs);
}

TEST_F(SerialLink, ABurstIsHandedOverInChunksOfAtMost2048Bytes) {
    ASSERT_TRUE(m_com.Open(m_sim.PortPath(), &m_rec));
    std::string burst;
    for (int i = 0; i < 5000; ++i)
        burst.push_back(static_cast<char>('a' + i % 26));
    m_sim.Send(burst);
    ASSERT_TRUE(WaitUntil([&] { return m_rec.All().size() >= burst.size(); }));
    EXPECT_EQ(m_rec.All(), burst);
    EXPECT_GE(m_rec.chunks.size(), 3u);
    for (const auto& c : m_rec.chunks)
        EXPECT_LE(c.size(), 2048u);
    EXPECT_EQ(m_rec.chunks[0].size(), 2048u);
}

TEST_F(SerialLink, OpeningASecondPortClosesTheFirstAndLeavesOneReader) {
    KeypadSimulator second;
    ASSERT_TRUE(m_com.Open(m_sim.PortPath(), &m_rec));
    ASSERT_TRUE(m_com.Open(second.PortPath(), &m_rec));
    EXPECT_EQ(CRsCom::ReaderCount(), 1);
    EXPECT_EQ(m_com.m_strPort, second.PortPath());

    // The first port is free again: another link can take it.
    Recorder otherRec;
    CRsCom other;
    ASSERT_TRUE(other.Open(m_sim.PortPath(), &otherRec));
    EXPECT_EQ(CRsCom::ReaderCount(), 2);
    other.Close();

    second.Send("xyz");
    ASSERT_TRUE(WaitUntil([&] { return !m_rec.chunks.empty(); }));
    EXPECT_EQ(m_rec.chunks, std::vector<std::string>{"xyz"});
    EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(SerialLink, AHeldPortDoesNotOpenTwice) {
    CRsCom other;
    Recorder otherRec;
    ASSERT_TRUE(other.Open(m_sim.PortPath(), &otherRec));
    EXPECT_FALSE(m_com.Open(m_sim.PortPath(), &m_rec));
    EXPECT_FALSE(m_com.IsOpen());
    EXPECT_EQ(m_com.m_strPort, "");
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"Can not Open COM"});
    EXPECT_EQ(CRsCom::ReaderCount(), 1);
}

TEST_F(SerialLink, CloseDuringABurstHandsNothingOverAfterwards) {
    // The receiver closes the link on the first chunk, while the reader is
    // still taking in the burst and more chunks may be on their way.
    class ClosingRecorder : public Recorder {
    public:
        explicit ClosingRecorder(CRsCom& com) : m_com(com) {}
        void OnRsComData(const char* bytes, int count) override {
            Recorder::OnRsComData(bytes, count);
            m_com.Close();
        }
        CRsCom& m_com;
    } rec(m_com);
    ASSERT_TRUE(m_com.Open(m_sim.PortPath(), &rec));
    m_sim.Send(std::string(256 * 1024, 'B'));
    ASSERT_TRUE(WaitUntil([&] { return !rec.chunks.empty(); }));
    EXPECT_FALSE(m_com.IsOpen());
    EXPECT_EQ(CRsCom::ReaderCount(), 0);
    ASSERT_TRUE(DrainPostedEvents());
    EXPECT_EQ(rec.chunks.size(), 1u);
    EXPECT_EQ(rec.chunks[0], std::string(rec.chunks[0].size(), 'B'));
    EXPECT_EQ(rec.lost, 0);
}

TEST_F(SerialLink, AHangUpIsReportedOnceAndClosesTheLink) {
    ASSERT_TRUE(m_com.Open(m_sim.PortPath(), &m_rec));
    m_sim.HangUp();
    ASSERT_TRUE(WaitUntil([&] { return m_rec.lost > 0; }));
    EXPECT_FALSE(m_com.IsOpen());
    EXPECT_EQ(m_com.m_strPort, "");
    EXPECT_EQ(CRsCom::ReaderCount(), 0);
    ASSERT_TRUE(DrainPostedEvents());
    EXPECT_EQ(m_rec.lost, 1);
    EXPECT_EQ(m_com.Write("x"), 0);
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"Please connect with USB first"});
}

TEST_F(SerialLink, WritingWhileClosedAsksForTheConnection) {
    ASSERT_TRUE(m_com.Open(m_sim.PortPath(), &m_rec));
    EXPECT_EQ(m_com.Write("QVMSTUDYIRENND"), 14);
    EXPECT_TRUE(m_com.m_bWritten);
    m_com.Close();

    EXPECT_EQ(m_com.WriteTxBuffer(19), 0);
    EXPECT_TRUE(m_com.m_bWritten) << "WriteTxBuffer leaves the flag";
    EXPECT_EQ(m_com.Write("QVM000681CLRE8FENND"), 0);
    EXPECT_FALSE(m_com.m_bWritten);
    EXPECT_EQ(m_prompter.Texts(),
              (std::vector<std::string>{"Please connect with USB first", "Please connect with USB first"}));
}

TEST_F(SerialLink, FailedOpensEndClosed) {
    EXPECT_FALSE(m_com.OpenPort(m_sim.PortPath(), 12, 0, 4, 0));
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"No indicate m_hwnd"});

    m_prompter.Clear();
    EXPECT_FALSE(m_com.Open("/dev/no-such-port", &m_rec));
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"Can not Open COM"});

    // Opens but is no terminal: configuring fails, silently.
    m_prompter.Clear();
    EXPECT_FALSE(m_com.Open("/dev/null", &m_rec));
    EXPECT_TRUE(m_prompter.Texts().empty());

    // Settings Linux cannot do: 14400 baud, 4 data bits, 1.5 stop bits.
    EXPECT_FALSE(m_com.OpenPort(m_sim.PortPath(), 7, 0, 4, 0));
    EXPECT_FALSE(m_com.OpenPort(m_sim.PortPath(), 12, 0, 0, 0));
    EXPECT_FALSE(m_com.OpenPort(m_sim.PortPath(), 12, 0, 4, 1));
    EXPECT_TRUE(m_prompter.Texts().empty());
    EXPECT_FALSE(m_com.IsOpen());
    EXPECT_EQ(m_com.m_strPort, "");
    EXPECT_EQ(CRsCom::ReaderCount(), 0);
    EXPECT_FALSE(m_com.Configure(12, 0, 4, 0)) << "nothing is open";
}

TEST_F(SerialLink, OtherSettingsOfTheTablesReachThePort) {
    // A pseudo-terminal keeps only 8 data bits without parity, so these use
    // the rate and stop-bit tables: 2400 baud, 2 stop bits.
    m_com.m_hwnd = &m_rec;
    ASSERT_TRUE(m_com.OpenPort(m_sim.PortPath(), 4, 0, 4, 2));
    termios tio = m_sim.PortSettings();
    EXPECT_EQ(cfgetospeed(&tio), speed_t(B2400));
    EXPECT_EQ(tio.c_cflag & (CSIZE | PARENB | CSTOPB), tcflag_t(CS8 | CSTOPB));
    // Indices outside the tables: 9600 baud, 8 bits, no parity, 1 stop bit.
    ASSERT_TRUE(m_com.Configure(99, -1, 9, 7));
    tio = m_sim.PortSettings();
    EXPECT_EQ(cfgetospeed(&tio), speed_t(B9600));
    EXPECT_EQ(tio.c_cflag & (CSIZE | PARENB | CSTOPB), tcflag_t(CS8));
}

TEST(SerialLinkTables, IndicesGiveTheTabledSettings) {
    const int rates[] = {110,   300,   600,   1200,  2400,   4800,   9600,  14400,
                         19200, 38400, 56000, 57600, 115200, 128000, 256000};
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(CRsCom::BaudRateOf(i), rates[i]) << i;
    EXPECT_EQ(CRsCom::BaudRateOf(15), 9600);
    EXPECT_EQ(CRsCom::BaudRateOf(-1), 9600);
    EXPECT_EQ(CRsCom::DataBitsOf(0), 4);
    EXPECT_EQ(CRsCom::DataBitsOf(3), 7);
    EXPECT_EQ(CRsCom::DataBitsOf(4), 8);
    EXPECT_EQ(CRsCom::DataBitsOf(-1), 8);
    EXPECT_EQ(CRsCom::ParityOf(0), SerialPort::Parity::None);
    EXPECT_EQ(CRsCom::ParityOf(1), SerialPort::Parity::Even);
    EXPECT_EQ(CRsCom::ParityOf(2), SerialPort::Parity::Mark);
    EXPECT_EQ(CRsCom::ParityOf(3), SerialPort::Parity::Odd);
    EXPECT_EQ(CRsCom::ParityOf(4), SerialPort::Parity::Space);
    EXPECT_EQ(CRsCom::ParityOf(5), SerialPort::Parity::None);
    EXPECT_EQ(CRsCom::StopBitsOf(0), SerialPort::StopBits::One);
    EXPECT_EQ(CRsCom::StopBitsOf(1), SerialPort::StopBits::OneAndHalf);
    EXPECT_EQ(CRsCom::StopBitsOf(2), SerialPort::StopBits::Two);
    EXPECT_EQ(CRsCom::StopBitsOf(3), SerialPort::StopBits::One);
}

TEST_F(SerialLink, AWriteThatCannotFinishInTimeIsFlushedAndReportsNothing) {
    DeviceTiming fast;
    fast.writeTimeoutMs = 100;
    ScopedDeviceTiming timing(fast);
    m_sim.SetReading(false);
    ASSERT_TRUE(m_com.Open(m_sim.PortPath(), &m_rec));
    const std::string block(2046, 'W');
    int result = 2046;
    Clock::time_point started;
    for (int i = 0; i < 1000 && result == 2046; ++i) {
        started = Clock::now();
        result = m_com.Write(block);
    }
    EXPECT_EQ(result, 0);
    EXPECT_GE(MsSince(started, Clock::now()), 100);
    EXPECT_TRUE(m_prompter.Texts().empty());

    m_sim.SetReading(true);
    m_sim.ClearRecord();
    ASSERT_TRUE(WaitUntil([&] { return m_com.Write("QVM000602CONE87ENND") == 19; }));
}

TEST_F(SerialLink, CloseWakesAWriteThatWaitsForTheDevice) {
    m_sim.SetReading(false);
    ASSERT_TRUE(m_com.Open(m_sim.PortPath(), &m_rec));
    // Fill the line until a write has to wait, with the product's 1000 ms bound.
    std::atomic<int> written{0};
    std::atomic<bool> done{false};
    std::thread writer([&] {
        while (m_com.Write(std::string(2046, 'W')) == 2046)
            ++written;
        done = true;
    });
    ASSERT_TRUE(WaitUntil([&] { return written > 0; }));
    const auto closing = Clock::now();
    m_com.Close();
    EXPECT_LT(MsSince(closing, Clock::now()), 900);
    // A write after Close shows its message through this thread, so keep
    // serving events until the writer has stopped.
    EXPECT_TRUE(WaitUntil([&] { return done.load(); }));
    writer.join();
}

TEST(UsbSerial, PresenceFollowsThePortSearch) {
    QTemporaryDir dir;
    usbserial::Roots roots{dir.path().toStdString() + "/sys", "/dev"};
    const usbserial::Roots saved = usbserial::CurrentRoots();
    usbserial::SetRoots(roots);
    EXPECT_EQ(IsUsbSerialPresent(), 0) << "no tty class folder";
    std::filesystem::create_directories(roots.sysfs + "/class/tty/ttyACM3/device");
    EXPECT_EQ(IsUsbSerialPresent(), 0) << "no driver";
    std::filesystem::create_directory_symlink("../../../../bus/usb/drivers/cdc_acm",
                                              roots.sysfs + "/class/tty/ttyACM3/device/driver");
    EXPECT_EQ(IsUsbSerialPresent(), 1);
    usbserial::SetRoots(saved);
}

TEST_F(SerialLink, WriteAsyncNeverWaitsForTheDevice) {
    // Closed: as Write, and the completion comes at once with 0.
    std::vector<int> results;
    m_com.WriteAsync("QVM000602CONE87ENND", [&](int n) { results.push_back(n); });
    EXPECT_EQ(results, std::vector<int>{0});
    EXPECT_FALSE(m_com.m_bWritten);
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"Please connect with USB first"});

    // Open: queued in order, the counts arrive later on this thread.
    results.clear();
    ASSERT_TRUE(m_com.Open(m_sim.PortPath(), &m_rec));
    m_com.WriteAsync("QVM000602CONE87ENND", [&](int n) { results.push_back(n); });
    EXPECT_TRUE(m_com.m_bWritten);
    m_com.WriteAsync(std::string(3000, 'A'), [&](int n) { results.push_back(n); });
    m_com.WriteAsync("QVMSTUDYIRENND");
    ASSERT_TRUE(WaitUntil([&] { return results.size() == 2; }));
    EXPECT_EQ(results, (std::vector<int>{19, 2046}));
    ASSERT_TRUE(WaitUntil([&] { return m_sim.Received().size() == 19 + 2046 + 14; }));
    EXPECT_EQ(m_sim.Received(), "QVM000602CONE87ENND" + std::string(2046, 'A') + "QVMSTUDYIRENND");

    // A device that reads nothing: the caller goes on at once; a write
    // that finds the line full gives up after the write time and reports 0.
    // The writes beyond what the line holds each wait that long, so it is
    // short.
    DeviceTiming fast;
    fast.writeTimeoutMs = 20;
    ScopedDeviceTiming timing(fast);
    m_sim.SetReading(false);
    ASSERT_TRUE(m_com.Open(m_sim.PortPath(), &m_rec));
    constexpr int kWrites = 80; // far more than a pseudo-terminal holds
    results.clear();
    const auto started = Clock::now();
    for (int i = 0; i < kWrites; ++i)
        m_com.WriteAsync(std::string(2046, 'W'), [&](int n) { results.push_back(n); });
    EXPECT_LT(MsSince(started, Clock::now()), 100);
    ASSERT_TRUE(WaitUntil([&] { return results.size() == size_t(kWrites); }, 20000));
    EXPECT_NE(std::count(results.begin(), results.end(), 0), 0);
    EXPECT_GE(MsSince(started, Clock::now()), fast.writeTimeoutMs);

    // Close wakes the write in progress and drops the queued ones without
    // a call.
    results.clear();
    for (int i = 0; i < kWrites; ++i)
        m_com.WriteAsync(std::string(2046, 'W'), [&](int n) { results.push_back(n); });
    const auto closing = Clock::now();
    m_com.Close();
    EXPECT_LT(MsSince(closing, Clock::now()), 150);
    ASSERT_TRUE(DrainPostedEvents());
    EXPECT_LT(results.size(), size_t(kWrites));
    EXPECT_EQ(m_prompter.Count("Please connect with USB first"), 1u);
}
