#include "platform/carchive.h"

#include <gtest/gtest.h>

namespace {

std::string Stored(const std::string& s) {
    CArchive ar;
    ar.WriteString(s);
    return ar.Bytes();
}

std::string Bytes(std::initializer_list<int> bytes) {
    std::string out;
    for (int b : bytes)
        out.push_back(static_cast<char>(b));
    return out;
}

} // namespace

TEST(Archive, StringLengthPrefixHasThreeForms) {
    EXPECT_EQ(Stored(""), Bytes({0x00}));
    EXPECT_EQ(Stored("AB"), Bytes({0x02, 'A', 'B'}));
    EXPECT_EQ(Stored(std::string(254, 'x')).substr(0, 1), Bytes({0xFE}));
    EXPECT_EQ(Stored(std::string(255, 'x')).substr(0, 3), Bytes({0xFF, 0xFF, 0x00}));
    EXPECT_EQ(Stored(std::string(0xFFFD, 'x')).substr(0, 3), Bytes({0xFF, 0xFD, 0xFF}));
    EXPECT_EQ(Stored(std::string(0xFFFE, 'x')).substr(0, 7),
              Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}));
    EXPECT_EQ(Stored(std::string(0xFFFF, 'x')).substr(0, 7),
              Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}));
    EXPECT_EQ(Stored(std::string(255, 'x')).size(), 3u + 255u);
    EXPECT_EQ(Stored(std::string(0xFFFF, 'x')).size(), 7u + 0xFFFFu);
}

TEST(Archive, CountsAndIntegersAreLittleEndian) {
    CArchive ar;
    ar.WriteInt(-2);
    ar.WriteInt(0x01020304);
    ar.WriteStringArray({"a", ""});
    EXPECT_EQ(ar.Bytes(),
              Bytes({0xFE, 0xFF, 0xFF, 0xFF, 0x04, 0x03, 0x02, 0x01, 0x02, 0x00, 0x01, 'a', 0x00}));

    CArchive big;
    big.WriteStringArray(std::vector<std::string>(0xFFFF));
    EXPECT_EQ(big.Bytes().substr(0, 6), Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}));
    EXPECT_EQ(big.Bytes().size(), 6u + 0xFFFFu);
}

TEST(Archive, EveryFormReadsBack) {
    const std::vector<size_t> sizes = {0, 1, 254, 255, 0xFFFD, 0xFFFE, 0xFFFF, 70000};
    CArchive out;
    for (size_t n : sizes)
        out.WriteString(std::string(n, static_cast<char>('a' + n % 26)));
    out.WriteStringArray(std::vector<std::string>(0xFFFF, "s"));
    out.WriteInt(-123456);

    CArchive in(out.Bytes());
    for (size_t n : sizes)
        EXPECT_EQ(in.ReadString(), std::string(n, static_cast<char>('a' + n % 26)));
    const auto arr = in.ReadStringArray();
    ASSERT_EQ(arr.size(), 0xFFFFu);
    EXPECT_EQ(arr.back(), "s");
    EXPECT_EQ(in.ReadInt(), -123456);
    EXPECT_TRUE(in.AtEnd());
}

TEST(Archive, ShortOrDamagedInputThrowsWithoutHugeAllocations) {
    // A length that claims more bytes than are left.
    EXPECT_THROW(CArchive(Bytes({0x05, 'a', 'b'})).ReadString(), CArchiveException);
    EXPECT_THROW(CArchive(Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F})).ReadString(), CArchiveException);
    EXPECT_THROW(CArchive(Bytes({0xFF, 0x10})).ReadString(), CArchiveException);
    // The wide-string marker never appears in these files.
    EXPECT_THROW(CArchive(Bytes({0xFF, 0xFE, 0xFF, 0x00})).ReadString(), CArchiveException);
    // A count of four billion strings with three bytes left.
    EXPECT_THROW(CArchive(Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0})).ReadStringArray(),
                 CArchiveException);
    EXPECT_THROW(CArchive(Bytes({0x01, 0x02, 0x03})).ReadInt(), CArchiveException);
    EXPECT_THROW(CArchive(std::string()).ReadByte(), CArchiveException);
    // Reading from a storing archive is a fault too, not undefined.
    CArchive storing;
    EXPECT_THROW(storing.ReadInt(), CArchiveException);
}
