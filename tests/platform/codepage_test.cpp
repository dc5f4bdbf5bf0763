#include "platform/codepage.h"

#include <gtest/gtest.h>

TEST(CodePage, ChineseTextRoundTrips) {
    // "中文" in code page 936.
    const std::string bytes = "A\xD6\xD0\xCE\xC4z";
    const QString text = cp936::ToUnicode(bytes);
    EXPECT_EQ(text, QString::fromUtf8("A中文z"));
    EXPECT_EQ(cp936::FromUnicode(text), bytes);
    EXPECT_EQ(cp936::FromUnicode(QString::fromUtf8("应用程序")), "\xD3\xA6\xD3\xC3\xB3\xCC\xD0\xF2");
}

TEST(CodePage, InvalidBytesBecomeReplacementCharacters) {
    // A lead byte at the end, and a byte that is no character at all.
    EXPECT_EQ(cp936::ToUnicode("ab\xD6"), QString("ab") + QChar(QChar::ReplacementCharacter));
    EXPECT_EQ(cp936::ToUnicode("\xFF"
                               "x"),
              QString(QChar(QChar::ReplacementCharacter)) + "x");
    EXPECT_EQ(cp936::ToUnicode(std::string("a\0b", 3)), QString::fromUtf16(u"a\u0000b", 3));
    // Characters the code page cannot hold become '?'.
    EXPECT_EQ(cp936::FromUnicode(QString::fromUtf8("a\xF0\x9F\x98\x80"
                                                   "b")),
              "a?b");
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
    // Among other text; A17F is no code, U+E766 none of the areas'.
    EXPECT_EQ(cp936::ToUnicode("\xD6\xD0\xAA\xA1\xA1\x7F"), QString::fromUtf16(u"中\uE000\uFFFD\u007F"));
    EXPECT_EQ(cp936::FromUnicode(QString::fromUtf16(u"\uE765\uE766中")), "\xA7\xA0?\xD6\xD0");
}
