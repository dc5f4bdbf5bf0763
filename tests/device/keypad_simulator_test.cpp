// The keypad simulator that the connect, clear, upload and learn tests talk
// to, checked through the real serial link.
#include "device/crscom.h"
#include "device/devicetiming.h"
#include "model/cqvmcmd.h"
#include "support/chunk_recorder.h"
#include "support/keypad_simulator.h"
#include "support/scripted_prompter.h"
#include "support/usb_port_fixture.h"
#include "support/wait.h"

#include <chrono>
#include <gtest/gtest.h>

namespace {

using Clock = std::chrono::steady_clock;
using testwait::WaitUntil;
using Frames = std::vector<std::string>;

class Simulator : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_com.Open(m_sim.PortPath(), &m_rec)); }

    ScriptedPrompter m_prompter;
    KeypadSimulator m_sim;
    ChunkRecorder m_rec;
    CRsCom m_com;
};

} // namespace

TEST(SimulatorFrames, SplitsByTheLengthFieldAndSkipsJunk) {
    std::string pending = "xxQVM000602CONE87ENNDjunkQVMSTUDYIRENNDQVM9999QVMNORMALMODEENNDQVM0006";
    EXPECT_EQ(KeypadSimulator::SplitFrames(pending),
              (Frames{"QVM000602CONE87ENND", "QVMSTUDYIRENND", "QVMNORMALMODEENND"}));
    EXPECT_EQ(pending, "QVM0006");
    pending += "03NONE93EN";
    EXPECT_EQ(KeypadSimulator::SplitFrames(pending), Frames{});
    pending += "NDQVMSTU";
    EXPECT_EQ(KeypadSimulator::SplitFrames(pending), Frames{"QVM000603NONE93ENND"});
    EXPECT_EQ(pending, "QVMSTU");
    pending = "abcQV";
    EXPECT_EQ(KeypadSimulator::SplitFrames(pending), Frames{});
    EXPECT_EQ(pending, "QV");
}

TEST(SimulatorFrames, TheLearnedCodeFrameCarries99BytesAndItsChecksum) {
    KeypadSimulator::LearnedCode zeros{};
    const std::string frame = KeypadSimulator::LearnedCodeFrame(zeros);
    // Sum of "03NONE" is 0x193: checksum 93.
    EXPECT_EQ(frame, "QVM010503NONE" + std::string(99, '\0') + "93ENND");

    KeypadSimulator::LearnedCode ones;
    ones.fill(0x01);
    std::string withOnes = KeypadSimulator::LearnedCodeFrame(ones);
    EXPECT_EQ(withOnes, "QVM010503NONE" + std::string(99, '\x01') + "F6ENND"); // 0x193 + 99 = 0x1F6
    CQvmCmd cmd(1, withOnes.data(), static_cast<int>(withOnes.size()));
    EXPECT_TRUE(cmd.IsComplete());
    EXPECT_TRUE(cmd.VerifyChecksum());
}

TEST_F(Simulator, AnswersTheConnectRequestWithCone) {
    m_com.Write("QVM0006");
    m_com.Write("02CONE87ENND"); // one frame in two writes
    ASSERT_TRUE(WaitUntil([&] { return !m_rec.chunks.empty(); }));
    EXPECT_EQ(m_sim.Frames(), Frames{"QVM000602CONE87ENND"});
    EXPECT_EQ(m_rec.chunks, Frames{"QVM000602CONE87ENND"});
}

TEST_F(Simulator, AcknowledgesAClearTwiceWithAPause) {
    m_sim.SetClearAckPauseMs(300);
    m_com.Write("QVM000601CLRE87ENND");
    ASSERT_TRUE(WaitUntil([&] { return m_rec.chunks.size() >= 2; }));
    EXPECT_EQ(m_rec.chunks, (Frames{"QVM000601CLRE87ENND", "QVM000601CLRE87ENND"}));
    EXPECT_GE(m_rec.times[1] - m_rec.times[0], std::chrono::milliseconds(300 - kChunkGapMs));
}

TEST_F(Simulator, AnswersTheLearnRequestWithALearnedCodeFrame) {
    KeypadSimulator::LearnedCode code;
    for (int i = 0; i < 99; ++i)
        code[i] = static_cast<uint8_t>(0xFF - i);
    m_sim.SetLearnedCode(code);
    m_com.Write("QVM000603NONE93ENND");
    ASSERT_TRUE(WaitUntil([&] { return m_rec.All().size() >= 118; }));
    const std::string frame = m_rec.All();
    EXPECT_EQ(frame.substr(0, 13), "QVM010503NONE");
    EXPECT_EQ(frame.size(), 118u);
    std::string copy = frame;
    CQvmCmd cmd(1, copy.data(), static_cast<int>(copy.size()));
    EXPECT_TRUE(cmd.IsComplete());
    EXPECT_TRUE(cmd.VerifyChecksum());
    EXPECT_EQ(cmd.GetLearnedIrHex().substr(0, 8), "fffefdfc");
}

TEST_F(Simulator, AnswersEveryOtherFrameShortlyAndRecordsThemAll) {
    for (const char* frame :
         {"QVMSTUDYIRENND", "QVMNORMALMODEENND", "QVM000681CLRE8FENND", "QVM000735UAIR1CAENND"})
        m_com.Write(frame);
    ASSERT_TRUE(WaitUntil([&] { return m_rec.All().size() >= 8; }));
    EXPECT_EQ(m_rec.All(), "OKOKOKOK");
    EXPECT_EQ(m_sim.Frames(),
              (Frames{"QVMSTUDYIRENND", "QVMNORMALMODEENND", "QVM000681CLRE8FENND", "QVM000735UAIR1CAENND"}));
}

TEST_F(Simulator, CanBeSilentSlowOrAnswerWithJunk) {
    m_sim.SetSilent(true);
    m_com.Write("QVM000602CONE87ENND");
    ASSERT_TRUE(WaitUntil([&] { return m_sim.FrameCount() == 1; }));
    m_sim.Send("marker"); // would follow an answer already due
    ASSERT_TRUE(WaitUntil([&] { return m_rec.All().size() >= 6; }));
    EXPECT_EQ(m_rec.All(), "marker");

    m_rec.Clear();
    m_sim.SetSilent(false);
    m_sim.SetReplyDelayMs(150);
    const auto sent = Clock::now();
    m_com.Write("QVM000602CONE87ENND");
    ASSERT_TRUE(WaitUntil([&] { return !m_rec.chunks.empty(); }));
    EXPECT_GE(m_rec.times[0] - sent, std::chrono::milliseconds(150));
    EXPECT_EQ(m_rec.chunks[0], "QVM000602CONE87ENND");

    m_rec.Clear();
    m_sim.SetReplyDelayMs(0);
    m_sim.SetJunkReplies(true);
    m_com.Write("QVM000602CONE87ENND");
    ASSERT_TRUE(WaitUntil([&] { return !m_rec.chunks.empty(); }));
    EXPECT_EQ(m_rec.chunks[0], std::string("\xFF\x00#?#\x80", 6));
}

TEST(SimulatorAsUsbDevice, ThePortSearchFindsItAndTheLinkOpensIt) {
    ScriptedPrompter prompter;
    KeypadSimulator sim;
    UsbPortFixture usb;
    EXPECT_EQ(IsUsbSerialPresent(), 0);
    const std::string port = usb.Plug("ttyACM0", sim.PortPath());
    EXPECT_EQ(IsUsbSerialPresent(), 1);
    const auto ports = usbserial::ListPorts();
    ASSERT_TRUE(ports);
    EXPECT_EQ(*ports, Frames{port});

    ChunkRecorder rec;
    CRsCom com;
    ASSERT_TRUE(com.Open(port, &rec));
    com.Write("QVM000602CONE87ENND");
    ASSERT_TRUE(WaitUntil([&] { return !rec.chunks.empty(); }));
    EXPECT_EQ(rec.chunks[0], "QVM000602CONE87ENND");
    usb.Unplug("ttyACM0");
    EXPECT_EQ(IsUsbSerialPresent(), 0);
}
