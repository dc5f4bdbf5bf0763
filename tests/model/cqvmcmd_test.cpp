#include "model/cqvmcmd.h"
#include "support/scripted_prompter.h"

#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace {

struct Buffer {
    std::vector<char> bytes = std::vector<char>(kFrameBufferSize, '\x55');
    char* data() { return bytes.data(); }
    std::string At(int offset, int n) const {
        return std::string(bytes.data() + offset, static_cast<size_t>(n));
    }
};

// Received bytes in a 2048-byte buffer, as the reply handling holds them.
CQvmCmd Received(Buffer& b, const std::string& bytes) {
    std::memcpy(b.data(), bytes.data(), bytes.size());
    return CQvmCmd(1, b.data(), static_cast<int>(bytes.size()));
}

} // namespace

TEST(Frame, BuildModeFillsTheBufferWithDashesAndANul) {
    Buffer b;
    CQvmCmd cmd(0, b.data(), 0);
    EXPECT_EQ(cmd.m_nSize, 2048);
    EXPECT_EQ(cmd.m_nLen, 0);
    EXPECT_EQ(b.At(0, 2047), std::string(2047, '-'));
    EXPECT_EQ(b.bytes[2047], '\0');
}

TEST(Frame, NullBufferIsRefusedWithAMessage) {
    ScriptedPrompter p;
    CQvmCmd cmd(0, nullptr, 0);
    EXPECT_EQ(p.Texts(), std::vector<std::string>{"no assigned data"});
    EXPECT_FALSE(cmd.IsUsable());
    cmd.BuildNoneFrame();
    EXPECT_FALSE(cmd.IsComplete());
    EXPECT_TRUE(cmd.Frame().empty());
}

TEST(Frame, NoneFrameIsExact) {
    Buffer b;
    CQvmCmd cmd(0, b.data(), 0);
    cmd.BuildNoneFrame();
    EXPECT_EQ(cmd.m_nLen, 19);
    EXPECT_EQ(cmd.Frame(), "QVM000603NONE93ENND");
    EXPECT_EQ(b.bytes[19], '\0');
    EXPECT_EQ(b.At(20, 2027), std::string(2027, '-'));
}

TEST(Frame, KeyNameFrameFitsTheNameToFourBytes) {
    Buffer b;
    CQvmCmd cmd(0, b.data(), 0);
    cmd.BuildKeyNameFrame(0, "AB");
    // Checksum: "33KYNA01  AB" sums to 0x2BD.
    EXPECT_EQ(cmd.Frame(), "QVM001233KYNA01  ABBDENND");

    CQvmCmd longName(0, b.data(), 0);
    longName.BuildKeyNameFrame(0, "ABCDEF");
    EXPECT_EQ(longName.Frame().substr(0, 19), "QVM001233KYNA01ABCD");
    EXPECT_EQ(longName.m_nLen, 25);

    CQvmCmd empty(0, b.data(), 0);
    empty.BuildKeyNameFrame(35, "");
    EXPECT_EQ(empty.Frame().substr(0, 19), "QVM001233KYNA36    ");
}

TEST(Frame, KeyGroupFrameCarriesTheMaskMostSignificantByteFirst) {
    Buffer b;
    CQvmCmd cmd(0, b.data(), 0);
    cmd.BuildKeyGroupFrame(3, (1u << 0) | (1u << 2) | (1u << 8));
    const std::string frame(cmd.Frame());
    ASSERT_EQ(frame.size(), 25u);
    EXPECT_EQ(frame.substr(0, 15), "QVM001232KYSG03");
    EXPECT_EQ(frame.substr(15, 4), std::string("\x00\x00\x01\x05", 4));
    // 0x33+0x32 + K Y S G (0x4B+0x59+0x53+0x47) + 0x30+0x33 + 0x01+0x05 = 0x20C
    EXPECT_EQ(frame.substr(19), "0CENND");
}

TEST(Frame, KeyLightFrameSendsLevelsAboveNineAsNine) {
    Buffer b;
    CQvmCmd cmd(0, b.data(), 0);
    cmd.BuildKeyLightFrame(7, 12);
    EXPECT_EQ(cmd.Frame().substr(0, 16), "QVM000934LIPR089");
    EXPECT_EQ(cmd.m_nLen, 22);
    CQvmCmd negative(0, b.data(), 0);
    negative.BuildKeyLightFrame(0, -1);
    EXPECT_EQ(negative.Frame().substr(13, 3), "019");
    CQvmCmd plain(0, b.data(), 0);
    plain.BuildKeyLightFrame(0, 4);
    EXPECT_EQ(plain.Frame().substr(13, 3), "014");
}

TEST(Frame, KeyActionParametersPerCode) {
    struct Case {
        int code, key, p1, p2;
        std::string params;
        int len;
    };
    const Case cases[] = {
        {kCodeDeviceId, 7, 0, 0, "07", 15},   {kCodeDeviceId, 123, 0, 0, "12", 15},
        {kCodePortMode, 2, 0, 0, "2", 14},    {kCodePress, 0, 0, 0, "0100", 17},
        {kCodeRelease, 34, 0, 0, "3500", 17}, {kCodeVirtual, 8, 0, 0, "0900", 17},
        {kCodeLong, 1, 0, 0, "02-0", 17},     {kCodeToggle, 3, 2, 1, "0432", 17},
        {kCodePage, 9, 0, 3, "1014", 17},     {kCodeIoLow, 32, 2, 0, "2000", 17},
        {kCodeIoHigh, 33, 3, 0, "3000", 17},  {kCodeStart, 35, 5, 5, "0000", 17},
        {kCodeTime, 34, 2, 45, "3045", 17},   {kCodeTime, 34, 0, 1234, "1123", 17},
    };
    for (const auto& c : cases) {
        Buffer b;
        CQvmCmd cmd(0, b.data(), 0);
        cmd.SetKeyActionParams(c.code, c.key, c.p1, c.p2);
        EXPECT_EQ(b.At(13, static_cast<int>(c.params.size())), c.params) << "code " << c.code;
        EXPECT_EQ(b.bytes[13 + c.params.size()], '-') << "code " << c.code;
        EXPECT_EQ(cmd.m_nLen, c.len) << "code " << c.code;
    }
    Buffer b;
    CQvmCmd other(0, b.data(), 0);
    other.m_nLen = 5;
    other.SetKeyActionParams(99, 1, 1, 1);
    EXPECT_EQ(other.m_nLen, 5);
    EXPECT_EQ(b.At(13, 4), "----");
}

TEST(Frame, WordsPerCode) {
    EXPECT_STREQ(CQvmCmd::WordOf(31), "SYSI");
    EXPECT_STREQ(CQvmCmd::WordOf(35), "UAIR");
    EXPECT_STREQ(CQvmCmd::WordOf(50), "IOHL");
    EXPECT_STREQ(CQvmCmd::WordOf(51), "IOLH");
    EXPECT_STREQ(CQvmCmd::WordOf(53), "TOUT");
    EXPECT_STREQ(CQvmCmd::WordOf(3), "NONE");
    EXPECT_STREQ(CQvmCmd::WordOf(60), "NONE");
}

TEST(Frame, ChecksumIsUpperCaseHexOfTheByteSum) {
    Buffer b;
    CQvmCmd cmd(0, b.data(), 0);
    // Bytes from offset 7 summing to 0x0A: 0x05 twice.
    b.bytes[7] = 0x05;
    b.bytes[8] = 0x05;
    cmd.m_nLen = 9;
    cmd.AppendChecksum();
    EXPECT_EQ(b.At(9, 2), "0A");
    EXPECT_EQ(cmd.m_nLen, 11);
    EXPECT_EQ(CQvmCmd::CalcSum("\xff\x02", 2), 0x01);
}

TEST(Frame, FixedCommandFramesCarryTheirChecksums) {
    for (std::string_view f : {kConnectFrame, kClearFrame, kForgetDeviceFrame}) {
        Buffer b;
        CQvmCmd cmd = Received(b, std::string(f));
        EXPECT_TRUE(cmd.IsComplete()) << f;
        EXPECT_TRUE(cmd.VerifyChecksum()) << f;
    }
    EXPECT_EQ(kConnectFrame, "QVM000602CONE87ENND");
    EXPECT_EQ(kClearFrame, "QVM000601CLRE87ENND");
    EXPECT_EQ(kForgetDeviceFrame, "QVM000681CLRE8FENND");
    EXPECT_EQ(kStudyIrFrame, "QVMSTUDYIRENND");
    EXPECT_EQ(kNormalModeFrame, "QVMNORMALMODEENND");
}

TEST(ReceivedFrame, CompleteOnceLengthPlusTwelveBytesAreHeld) {
    Buffer b;
    EXPECT_TRUE(Received(b, "QVM000603NONE93END").IsComplete()); // 18 bytes
    EXPECT_FALSE(Received(b, "QVM000603NONE93EN").IsComplete()); // 17 bytes
    EXPECT_FALSE(Received(b, "QVM00").IsComplete());
    EXPECT_FALSE(Received(b, "QVM000003NONE93ENNDxxxxxx").IsComplete());
    EXPECT_FALSE(Received(b, std::string("QVM2036") + std::string(2041, 'x')).IsComplete());
    EXPECT_TRUE(Received(b, std::string("QVM2035") + std::string(2040, 'x')).IsComplete());
    EXPECT_FALSE(Received(b, "XVM000603NONE93ENND").IsComplete());
}

TEST(ReceivedFrame, DataLengthNeedsTheHeader) {
    Buffer b;
    EXPECT_EQ(Received(b, "QVM0105").GetDataLength(), 105);
    EXPECT_EQ(Received(b, "QVM 42x").GetDataLength(), 42);
    EXPECT_EQ(Received(b, "QVX0105").GetDataLength(), 0);
    // Only the four length characters count, even when digits follow.
    EXPECT_EQ(Received(b, "QVM000603NONE").GetDataLength(), 6);
}

TEST(ReceivedFrame, ChecksumAcceptsEitherCaseAndNeverReadsBeyondTheBytesHeld) {
    Buffer b;
    // Code and word summing to 0x0A is impossible in ASCII; use a frame
    // whose sum is 0x93 and vary the case of the digits instead.
    EXPECT_TRUE(Received(b, "QVM000603NONE93ENND").VerifyChecksum());
    EXPECT_FALSE(Received(b, "QVM000603NONE94ENND").VerifyChecksum());
    EXPECT_TRUE(Received(b, "QVM000602CONE87ENND").VerifyChecksum());
    EXPECT_TRUE(Received(b, "QVM000681CLRE8fENND").VerifyChecksum());
    EXPECT_TRUE(Received(b, "QVM000681CLRE8FENND").VerifyChecksum());
    // Fewer bytes than the checksum needs, or a length out of range.
    EXPECT_FALSE(Received(b, "QVM000603NONE9").VerifyChecksum());
    EXPECT_FALSE(Received(b, "QVM9999").VerifyChecksum());
    EXPECT_FALSE(Received(b, "QVM0000ENND").VerifyChecksum());
}

TEST(ReceivedFrame, LearnedCodeIsTheNinetyNineParameterBytesInHex) {
    Buffer b;
    std::string frame = "QVM010503NONE";
    frame += std::string("\x00\x0a\xff\x7f", 4);
    frame += std::string(95, '\x11');
    frame += "XXENND";
    CQvmCmd cmd = Received(b, frame);
    const std::string hex = cmd.GetLearnedIrHex();
    ASSERT_EQ(hex.size(), 198u);
    EXPECT_EQ(hex.substr(0, 8), "000aff7f");
    EXPECT_EQ(hex.substr(8), std::string(190, '1'));
    // Fewer than 112 bytes held: nothing is read.
    EXPECT_EQ(Received(b, frame.substr(0, 111)).GetLearnedIrHex(), "");
}
