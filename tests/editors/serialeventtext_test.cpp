#include "editors/serialeventtext.h"

#include <gtest/gtest.h>

using namespace serialtext;

namespace {

std::string Bytes(const CRS232LibFun& f) {
    return std::string(reinterpret_cast<const char*>(f.m_data.data()), f.m_data.size());
}

CRS232LibFun Function(int format, int endChar, std::string_view text) {
    CRS232LibFun f;
    f.m_nFormat = format;
    f.m_nEndChar = endChar;
    f.m_data.fill(0x55); // leftovers of an earlier content must be cleared
    SetFunctionData(f, text);
    return f;
}

} // namespace

TEST(SerialEventText, ListCodesBothWays) {
    EXPECT_EQ(CodeOfText(kDataBits, "7"), "0");
    EXPECT_EQ(CodeOfText(kDataBits, "8"), "1");
    EXPECT_EQ(CodeOfText(kStopBits, "1.5"), "1");
    EXPECT_EQ(CodeOfText(kParities, "EVEN"), "2");
    EXPECT_EQ(CodeOfText(kParities, "even"), "");
    EXPECT_EQ(CodeOfText(kDataBits, ""), "");

    EXPECT_EQ(TextOfCode(kStopBits, "2"), "2");
    EXPECT_EQ(TextOfCode(kStopBits, "1"), "1.5");
    EXPECT_EQ(TextOfCode(kParities, " 1"), "ODD");
    EXPECT_EQ(TextOfCode(kDataBits, "2"), std::nullopt);
    EXPECT_EQ(TextOfCode(kDataBits, "-1"), std::nullopt);
    // An empty field (written for an unknown list text) selects nothing.
    EXPECT_EQ(TextOfCode(kDataBits, ""), std::nullopt);
}

TEST(SerialEventText, AsciiToHexKeepsRoomForTheEndBytes) {
    EXPECT_EQ(AsciiToHex("PWON", 0), "50 57 4f 4e");
    EXPECT_EQ(AsciiToHex("PWON", 1), "50 57 4f 4e 0d");
    EXPECT_EQ(AsciiToHex("PWON", 2), "50 57 4f 4e 0d 0a");
    EXPECT_EQ(AsciiToHex("AB", 7), "41 42");
    EXPECT_EQ(AsciiToHex("\xe4", 0), "e4");
    EXPECT_EQ(AsciiToHex("", 2), std::nullopt);

    const std::string forty(40, 'a');
    std::string thirty;
    for (int i = 0; i < 30; ++i)
        thirty += i ? " 61" : "61";
    EXPECT_EQ(AsciiToHex(forty, 2), thirty + " 0d 0a");
    EXPECT_EQ(AsciiToHex(forty, 1), thirty + " 61 0d");
    EXPECT_EQ(AsciiToHex(forty, 0), thirty + " 61 61");
}

TEST(SerialEventText, AsciiFunctionDataWithEndBytes) {
    CRS232LibFun f = Function(0, 1, "PWON");
    EXPECT_EQ(f.m_nLength, 5);
    EXPECT_EQ(Bytes(f), std::string("PWON\x0d") + std::string(28, '\0'));

    f = Function(0, 2, "  AB  ");
    EXPECT_EQ(f.m_nLength, 4);
    EXPECT_EQ(Bytes(f), std::string("AB\x0d\x0a") + std::string(29, '\0'));

    const std::string forty = "0123456789abcdefghijklmnopqrstuvwxyzABCD";
    f = Function(0, 2, forty);
    EXPECT_EQ(f.m_nLength, 32);
    EXPECT_EQ(Bytes(f), "0123456789abcdefghijklmnopqrst\x0d\x0a" + std::string(1, '\0'));
    f = Function(0, 0, forty);
    EXPECT_EQ(f.m_nLength, 32);
    EXPECT_EQ(Bytes(f), "0123456789abcdefghijklmnopqrstuv" + std::string(1, '\0'));

    // No end bytes without data.
    f = Function(0, 2, "   ");
    EXPECT_EQ(f.m_nLength, 0);
    EXPECT_EQ(Bytes(f), std::string(33, '\0'));
}

TEST(SerialEventText, HexFunctionDataFromTokens) {
    CRS232LibFun f = Function(1, 2, "1 2 3");
    EXPECT_EQ(f.m_nLength, 3); // the end character adds nothing to hex data
    EXPECT_EQ(Bytes(f).substr(0, 4), std::string("\x01\x02\x03\x00", 4));

    f = Function(1, 0, "123   45");
    EXPECT_EQ(f.m_nLength, 2);
    EXPECT_EQ(Bytes(f).substr(0, 3), std::string("\x12\x45\x00", 3));

    f = Function(1, 0, "zz");
    EXPECT_EQ(f.m_nLength, 1);
    EXPECT_EQ(Bytes(f), std::string(33, '\0'));

    f = Function(1, 0, "");
    EXPECT_EQ(f.m_nLength, 0);

    f = Function(1, 0, "ff A0 9z .5");
    EXPECT_EQ(f.m_nLength, 4);
    EXPECT_EQ(Bytes(f).substr(0, 4), std::string("\xff\xa0\x09\x00", 4));

    // 48 one-digit tokens (96 typed characters): the first 32 are kept.
    std::string many;
    for (int i = 0; i < 48; ++i)
        many += (i ? " " : "") + std::string(1, "0123456789abcdef"[i % 16]);
    f = Function(1, 0, many);
    EXPECT_EQ(f.m_nLength, 32);
    EXPECT_EQ(f.m_data[31], 0x0f);
    EXPECT_EQ(f.m_data[32], 0x00);
    // Whether anything was cut: 32 tokens fit, as do 30 characters with CR LF.
    EXPECT_TRUE(SetFunctionData(f, many));
    EXPECT_FALSE(SetFunctionData(f, many.substr(0, 63) + "  "));
    f.m_nFormat = 0;
    f.m_nEndChar = 2;
    EXPECT_FALSE(SetFunctionData(f, std::string(30, 'a')));
    EXPECT_TRUE(SetFunctionData(f, std::string(31, 'a')));
}

TEST(SerialEventText, UartTextLeavesUnknownListTextsEmpty) {
    // The pages' tests pin whole texts; here only what no list can give.
    UartFields f;
    f.baud = "9600";
    f.dataBits = "9";
    f.stopBits = "3";
    f.parity = "MARK";
    f.data = " 50:4f ";
    EXPECT_EQ(ComposeUartText(f), "UART :  :  :  : 9600 :  :  :  : 0 : 0 : 0 : 0 : 1 : 1 :1 : 50:4f ");
}
