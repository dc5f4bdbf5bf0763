#include "platform/textutil.h"

#include <gtest/gtest.h>

TEST(TextUtil, TrimRemovesEveryWhiteSpaceKindAtBothEndsOnly) {
    EXPECT_EQ(txt::Trim(" \t\r\n\v\fUART : x \t\r\n\v\f"), "UART : x");
    EXPECT_EQ(txt::Trim("   "), "");
    EXPECT_EQ(txt::Trim(""), "");
    EXPECT_EQ(txt::TrimLeft("  a b  "), "a b  ");
    EXPECT_EQ(txt::TrimRight("  a b  "), "  a b");
    // A double-byte character (code page 936 "中" = D6 D0) is never cut.
    EXPECT_EQ(txt::Trim(" \xD6\xD0 "), "\xD6\xD0");
    // Stepped character by character: a lead byte takes the blank after it
    // as its second byte, and only the blanks after that go.
    EXPECT_EQ(txt::Trim(" K\x81 "), "K\x81 ");
    EXPECT_EQ(txt::TrimRight("K\xB0  \t"), "K\xB0 ");
    EXPECT_EQ(txt::Trim("\x81\t\xD6\xD0\x81"), "\x81\t\xD6\xD0\x81");
    EXPECT_TRUE(txt::IsBlank(" \t "));
    EXPECT_TRUE(txt::IsBlank(""));
    EXPECT_FALSE(txt::IsBlank(" x "));
}

TEST(TextUtil, ToIntReadsLikeTheCConversion) {
    EXPECT_EQ(txt::ToInt("  42abc"), 42);
    EXPECT_EQ(txt::ToInt("-7"), -7);
    EXPECT_EQ(txt::ToInt("+9"), 9);
    EXPECT_EQ(txt::ToInt(""), 0);
    EXPECT_EQ(txt::ToInt("abc"), 0);
    EXPECT_EQ(txt::ToInt("- 5"), 0);
    // Huge numbers saturate instead of overflowing.
    EXPECT_EQ(txt::ToInt("99999999999999999999999"), 2147483647);
    EXPECT_EQ(txt::ToInt("-99999999999999999999999"), -2147483648L);
}

TEST(TextUtil, DigitGroupsAreZeroPaddedAndCutFromTheLeft) {
    EXPECT_EQ(txt::DigitGroup(7, 2), "07");
    EXPECT_EQ(txt::DigitGroup(123, 2), "12");
    EXPECT_EQ(txt::DigitGroup(10, 1), "1");
    EXPECT_EQ(txt::DigitGroup(100, 2), "10");
    EXPECT_EQ(txt::DigitGroup(-5, 1), "-");
    EXPECT_EQ(txt::DigitGroup(-5, 2), "-5");
    EXPECT_EQ(txt::DigitGroup(45, 3), "045");
    EXPECT_EQ(txt::DigitGroup(6, 4), "0006");
    char buf[4] = {'x', 'x', 'x', 'x'};
    txt::PutDigitGroup(buf + 1, 5, 2);
    EXPECT_EQ(std::string(buf, 4), "x05x");
}

TEST(TextUtil, HexPairsFollowTheCConversion) {
    EXPECT_EQ(txt::HexPairValue('0', 'A'), 10);
    EXPECT_EQ(txt::HexPairValue('f', 'f'), 255);
    EXPECT_EQ(txt::HexPairValue('3', 'x'), 3);
    EXPECT_EQ(txt::HexPairValue('x', '3'), 0);
    EXPECT_EQ(txt::ToHex(std::string("\x0a\xff", 2), " "), "0a ff");
    EXPECT_EQ(txt::ToHex(""), "");
}

TEST(TextUtil, CutsClampOutOfRangePositions) {
    EXPECT_EQ(txt::Mid("abcdef", 2, 2), "cd");
    EXPECT_EQ(txt::Mid("abcdef", 4), "ef");
    EXPECT_EQ(txt::Mid("abc", 10, 2), "");
    EXPECT_EQ(txt::Mid("abc", -3, 2), "ab");
    EXPECT_EQ(txt::Left("abc", 5), "abc");
    EXPECT_EQ(txt::Left("abc", -1), "");
    EXPECT_EQ(txt::Format("%02d:%s", 3, "x"), "03:x");
}
