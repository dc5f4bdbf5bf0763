#include "platform/codepage.h"

#include "platform/textutil.h"

#include <gtest/gtest.h>
#include <random>
#include <vector>

TEST(CodePage, ChineseTextRoundTrips) {
    // "中文" in code page 936.
    const std::string bytes = "A\xD6\xD0\xCE\xC4z";
    const QString text = cp936::ToUnicode(bytes);
    EXPECT_EQ(text, QString::fromUtf8("A中文z"));
    EXPECT_EQ(cp936::FromUnicode(text), bytes);
    EXPECT_EQ(cp936::FromUnicode(QString::fromUtf8("应用程序")), "\xD3\xA6\xD3\xC3\xB3\xCC\xD0\xF2");
}

TEST(CodePage, MalformedBytesAndLoneSurrogatesCostNoNeighbour) {
    // A malformed byte becomes one U+FFFD; the byte after it is read as itself.
    const std::pair<std::string, std::u16string> reads[] = {
        {"ab\xD6", u"ab\uFFFD"},
        {"\x81\x7F\x41", u"\uFFFD\u007FA"},
        {"\x81\x0A\xD6\xD0", u"\uFFFD\n中"},
        {std::string("\xFE\x00\xD6\xD0", 4), std::u16string(u"\uFFFD\u0000中", 3)},
        {"\x81\x30\x81\x30", u"\uFFFD0\uFFFD0"},
        {"\xD6\xFF\xD6\xD0", u"\uFFFD\uF8F5中"},
        {"\xD6\xD0\xD6", u"中\uFFFD"},
        {std::string("a\0b", 3), std::u16string(u"a\u0000b", 3)},
    };
    for (const auto& [bytes, text] : reads)
        EXPECT_EQ(cp936::ToUnicode(bytes), QString::fromStdU16String(text)) << txt::ToHex(bytes, " ");

    // Each character that code page 936 lacks becomes one '?', and the one
    // after it is kept: a pair of surrogates, or a lone one anywhere.
    const std::pair<std::u16string, std::string> writes[] = {
        {u"a\U0001F600b", "a?b"},
        {u"\xD800\x41", "?A"},
        {u"\xD800中", "?\xD6\xD0"},
        {u"\xDC00\x41", "?A"},
        {u"A\xD800", "A?"},
        {u"\xDBFF\xDBFF\xDC00中", "??\xD6\xD0"},
        {u"\xDC00\xD800\xDC00\x41", "??A"},
        {u"\x0100\xD83D", "??"},
    };
    for (const auto& [text, bytes] : writes)
        EXPECT_EQ(cp936::FromUnicode(QString::fromStdU16String(text)), bytes) << bytes;
}

TEST(CodePage, UserDefinedAreasMapToPrivateUseCharactersBothWays) {
    // The first and last code of each area, codes at row ends and one in the
    // middle: AAA1-AFFE from U+E000, F8A1-FEFE from U+E234, A140-A7A0 (trail
    // byte 7F left out) from U+E4C6, row by row.
    const std::pair<const char*, char16_t> codes[] = {
        {"\xAA\xA1", 0xE000}, {"\xAA\xFE", 0xE05D}, {"\xAB\xA1", 0xE05E}, {"\xAD\xB0", 0xE129},
        {"\xAF\xFE", 0xE233}, {"\xF8\xA1", 0xE234}, {"\xF9\xA1", 0xE292}, {"\xFB\xC8", 0xE375},
        {"\xFE\xFE", 0xE4C5}, {"\xA1\x40", 0xE4C6}, {"\xA1\x7E", 0xE504}, {"\xA1\x80", 0xE505},
        {"\xA2\x40", 0xE526}, {"\xA4\x90", 0xE635}, {"\xA7\xA0", 0xE765}};
    for (const auto& [bytes, unicode] : codes) {
        EXPECT_EQ(cp936::ToUnicode(bytes), QString(QChar(unicode))) << bytes;
        EXPECT_EQ(cp936::FromUnicode(QString(QChar(unicode))), bytes);
    }
    // Among other text; A17F is no code.
    EXPECT_EQ(cp936::ToUnicode("\xD6\xD0\xAA\xA1\xA1\x7F"), QString::fromUtf16(u"中\uE000\uFFFD\u007F"));
    EXPECT_EQ(cp936::FromUnicode(QString::fromUtf16(u"\uE765\uE864\uE865中")), "\xA7\xA0\xFE\xA0?\xD6\xD0");
}

namespace {

// Every well-formed code: the bytes 00-7F, 80 and FF, and each lead byte
// 81-FE with a trail byte 40-7E or 80-FE.
std::vector<std::string> EveryCode() {
    std::vector<std::string> codes;
    for (int b = 0; b <= 0x80; ++b)
        codes.push_back(std::string(1, char(b)));
    codes.push_back("\xFF");
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail != 0x7F)
                codes.push_back({char(lead), char(trail)});
        }
    }
    return codes;
}

} // namespace

TEST(CodePage, EveryCodeReadsAsOneCharacterAndWritesBackAsOnWindows) {
    const std::vector<std::string> codes = EveryCode();
    ASSERT_EQ(codes.size(), 130u + 126u * 190u);
    for (const std::string& code : codes) {
        const QString text = cp936::ToUnicode(code);
        ASSERT_EQ(text.size(), 1) << txt::ToHex(code, " ");
        EXPECT_EQ(cp936::FromUnicode(text), code) << txt::ToHex(code, " ");
    }
    // The single bytes, and the codes that GBK leaves unassigned, in code
    // order from U+E766: the first and last code of runs, across the gap
    // at FE7F.
    const std::pair<const char*, char16_t> pinned[] = {
        {"\x80", 0x20AC},     {"\xFF", 0xF8F5},     {"\xA2\xAB", 0xE766}, {"\xA2\xB0", 0xE76B},
        {"\xA2\xE3", 0xE76C}, {"\xA4\xF4", 0xE772}, {"\xA6\xF3", 0xE796}, {"\xA8\xBC", 0xE7C7},
        {"\xA9\x58", 0xE7E2}, {"\xA9\xFE", 0xE80F}, {"\xD7\xFA", 0xE810}, {"\xD7\xFE", 0xE814},
        {"\xFE\x50", 0xE815}, {"\xFE\x7E", 0xE843}, {"\xFE\x80", 0xE844}, {"\xFE\xA0", 0xE864}};
    for (const auto& [bytes, unicode] : pinned) {
        EXPECT_EQ(cp936::ToUnicode(bytes), QString(QChar(unicode))) << bytes;
        EXPECT_EQ(cp936::FromUnicode(QString(QChar(unicode))), bytes);
    }
}

TEST(CodePage, RandomTextsOfWellFormedCodesComeBackByteForByte) {
    const std::vector<std::string> codes = EveryCode();
    std::mt19937 random(936);
    std::uniform_int_distribution<size_t> pick(0, codes.size() - 1);
    std::uniform_int_distribution<int> length(1, 40);
    for (int round = 0; round < 2000; ++round) {
        std::string bytes;
        const int count = length(random);
        for (int i = 0; i < count; ++i)
            bytes += codes[pick(random)];
        const QString text = cp936::ToUnicode(bytes);
        EXPECT_EQ(text.size(), count) << txt::ToHex(bytes, " ");
        EXPECT_EQ(cp936::FromUnicode(text), bytes) << txt::ToHex(bytes, " ");
    }
}
