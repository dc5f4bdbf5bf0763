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
