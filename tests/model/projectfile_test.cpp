#include "model/projectfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <gtest/gtest.h>
#include <random>

namespace {

// Bytes laid down by hand in the file's layout, independent of the archive
// code under test.
struct Bytes {
    std::string b;
    Bytes& i32(int32_t v) {
        const auto u = static_cast<uint32_t>(v);
        for (int i = 0; i < 4; ++i)
            b.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
        return *this;
    }
    Bytes& u8(uint8_t v) {
        b.push_back(static_cast<char>(v));
        return *this;
    }
    Bytes& str(const std::string& s) { // lengths below 255 only
        u8(static_cast<uint8_t>(s.size()));
        b += s;
        return *this;
    }
    Bytes& count(uint16_t n) { return u8(n & 0xFF).u8(n >> 8); }
    Bytes& emptySlots(int n) {
        for (int i = 0; i < n; ++i)
            count(0);
        return *this;
    }
};

// The keys as the model-0 panel leaves them on a fresh start: captions and
// names "1" to "36", keys 0-7 normal, 8-31 virtual, 32-35 system with their
// fixed names.
ProjectFile FreshModel0() {
    ProjectFile p;
    for (int i = 0; i < kKeyCount; ++i) {
        KeyRecord& k = p.m_keys[static_cast<size_t>(i)];
        k.m_strName = k.m_strCaption = std::to_string(i + 1);
        const int type = i < 8 ? kKeyNormal : i < 32 ? kKeyVirtual : kKeySystem;
        k.m_nKeyType = k.m_nColorScheme = type;
    }
    p.m_keys[32].m_strName = "IOL";
    p.m_keys[33].m_strName = "IOH";
    p.m_keys[34].m_strName = "Time";
    p.m_keys[35].m_strName = "Start";
    return p;
}

std::string Hex(const std::string& s) {
    static const char* digits = "0123456789abcdef";
    std::string out;
    for (unsigned char c : s) {
        out += digits[c >> 4];
        out += digits[c & 15];
        out += ' ';
    }
    return out;
}

} // namespace

TEST(ProjectFile, FreshModel0ProjectIsByteExact) {
    const std::string bytes = FreshModel0().Store();
    ASSERT_EQ(bytes.size(), 4617u);
    EXPECT_EQ(bytes.substr(0, 20), std::string(20, '\0'));

    // Key 0: "1", "1", twelve zero integers, 37 empty slots: 126 bytes.
    Bytes key0;
    key0.str("1").str("1");
    for (int i = 0; i < 12; ++i)
        key0.i32(0);
    key0.emptySlots(37);
    ASSERT_EQ(key0.b.size(), 126u);
    EXPECT_EQ(Hex(bytes.substr(20, 126)), Hex(key0.b));
    EXPECT_EQ(Hex(bytes.substr(20, 4)), "01 31 01 31 ");

    // Key 8, the first virtual key, follows eight more 126-byte records.
    EXPECT_EQ(Hex(bytes.substr(20 + 8 * 126, 12)), "01 39 01 39 03 00 00 00 03 00 00 00 ");
    // Key 32 after nine one-digit and 23 two-digit keys (128 bytes each).
    EXPECT_EQ(Hex(bytes.substr(20 + 9 * 126 + 23 * 128, 15)),
              "03 49 4f 4c 02 33 33 04 00 00 00 04 00 00 00 ");
    // Key 35 "Start"/"36" is the last record: 131 bytes up to the end.
    EXPECT_EQ(Hex(bytes.substr(4617 - 131, 9)), "05 53 74 61 72 74 02 33 36 ");
}

TEST(ProjectFile, HeaderAndKeyFieldsLandAtTheirOffsets) {
    ProjectFile p = FreshModel0();
    p.m_nDeviceId = 120; // no entry in the device-ID box: kept and saved again
    p.m_nPortMode = 3;
    p.m_nSelKey = 35;
    p.m_nSelSlot = 36;
    p.m_nModel = 2;
    KeyRecord& k = p.m_keys[0];
    k.m_nTimer = {125, 2, 3};
    k.m_nKind = 1;
    k.m_nLedLevel = 9;
    k.m_nGroup = 4;
    k.m_nParamA = 1;
    k.m_nRepeatDelay = 15;
    k.m_arrSlots[0] = {"", "DELY : 1 : 2 : 3 : 0 : 0"};
    const std::string bytes = p.Store();
    EXPECT_EQ(Hex(bytes.substr(0, 20)), "78 00 00 00 03 00 00 00 23 00 00 00 24 00 00 00 02 00 00 00 ");
    // name, caption, type 0, scheme 0, timers, reserved, kind, LED, group, a, b, delay
    EXPECT_EQ(Hex(bytes.substr(24, 48)), "00 00 00 00 00 00 00 00 7d 00 00 00 02 00 00 00 "
                                         "03 00 00 00 00 00 00 00 01 00 00 00 09 00 00 00 "
                                         "04 00 00 00 01 00 00 00 00 00 00 00 0f 00 00 00 ");
    // Slot 0: count 2, an empty text, then the delay event.
    EXPECT_EQ(Hex(bytes.substr(72, 6)), "02 00 00 18 44 45 ");

    const ProjectFile back = ProjectFile::Load(bytes);
    EXPECT_EQ(back.m_nDeviceId, 120);
    EXPECT_EQ(back.m_nPortMode, 3);
    EXPECT_EQ(back.m_nSelKey, 35);
    EXPECT_EQ(back.m_nSelSlot, 36);
    EXPECT_EQ(back.m_nModel, 2);
    EXPECT_TRUE(back.m_keys == p.m_keys);
    EXPECT_EQ(back.m_keys[0].m_nRepeatDelay, 15);
    EXPECT_EQ(back.Store(), bytes);
}

TEST(ProjectFile, FileInTheOriginalLayoutOpensWithEveryField) {
    Bytes f;
    f.i32(7).i32(2).i32(5).i32(4).i32(1); // device ID, port mode, key, slot, model
    const std::string longText(300, 'x'); // needs the 0xFF + 2-byte length prefix
    for (int i = 0; i < 36; ++i) {
        const std::string n = std::to_string(i + 1);
        if (i == 5) {
            f.str("Proj").str("6");
            // type, scheme, timers 1-3, reserved, kind, LED, group, a, b, spare (0)
            f.i32(0).i32(0).i32(10).i32(20).i32(30).i32(9).i32(2).i32(4).i32(3).i32(1).i32(2).i32(0);
            f.emptySlots(3);
            // slot 3: two events
            f.count(2).str("RELY : 0 : 1").u8(0xFF).u8(300 & 0xFF).u8(300 >> 8);
            f.b += longText;
            // slot 4: the blank placeholder
            f.count(1).str("");
            f.emptySlots(37 - 5);
        } else {
            f.str(n).str(n);
            for (int j = 0; j < 12; ++j)
                f.i32(i >= 32 ? 4 : 0);
            f.emptySlots(37);
        }
    }

    const ProjectFile p = ProjectFile::Load(f.b);
    EXPECT_EQ(p.m_nDeviceId, 7);
    EXPECT_EQ(p.m_nPortMode, 2);
    EXPECT_EQ(p.m_nSelKey, 5);
    EXPECT_EQ(p.m_nSelSlot, 4);
    EXPECT_EQ(p.m_nModel, 1);
    const KeyRecord& k = p.m_keys[5];
    EXPECT_EQ(k.m_strName, "Proj");
    EXPECT_EQ(k.m_strCaption, "6");
    EXPECT_EQ(k.m_nKeyType, 0);
    EXPECT_EQ(k.m_nColorScheme, 0);
    EXPECT_EQ(k.m_nTimer, (std::array<int, 3>{10, 20, 30}));
    EXPECT_EQ(k.m_nReserved2, 9);
    EXPECT_EQ(k.m_nKind, 2);
    EXPECT_EQ(k.m_nLedLevel, 4);
    EXPECT_EQ(k.m_nGroup, 3);
    EXPECT_EQ(k.m_nParamA, 1);
    EXPECT_EQ(k.m_nParamB, 2);
    EXPECT_EQ(k.m_nRepeatDelay, 0);
    EXPECT_EQ(k.m_arrSlots[3], (CStringArray{"RELY : 0 : 1", longText}));
    EXPECT_EQ(k.m_arrSlots[4], (CStringArray{""}));
    for (int s = 0; s < kSlotCount; ++s)
        if (s != 3 && s != 4) {
            EXPECT_TRUE(k.m_arrSlots[static_cast<size_t>(s)].empty()) << s;
        }
    EXPECT_EQ(p.m_keys[35].m_strName, "36");
    EXPECT_EQ(p.m_keys[35].m_nKeyType, 4);
    EXPECT_EQ(p.m_keys[35].m_nRepeatDelay, 4); // the spare field of this record held 4
    // Saved again, the file is the same bytes.
    EXPECT_EQ(Hex(p.Store()), Hex(f.b));
}

TEST(ProjectFile, SelectedKeyAndSlotOutsideTheirRangeReadAsZero) {
    for (auto [key, slot] : {std::pair{36, 37}, std::pair{-1, -1}, std::pair{1000, 99999}}) {
        ProjectFile p = FreshModel0();
        p.m_nSelKey = key;
        p.m_nSelSlot = slot;
        const ProjectFile back = ProjectFile::Load(p.Store());
        EXPECT_EQ(back.m_nSelKey, 0) << key;
        EXPECT_EQ(back.m_nSelSlot, 0) << slot;
    }
}

TEST(ProjectFile, EveryTruncationAndRandomBytesAreRefused) {
    ProjectFile p = FreshModel0();
    p.m_keys[3].m_arrSlots[0] = {"UART : a : b : c : 9600 : 1 : 0 : 0 : 0 : 1 : 0 : 1 : 3 : 5 :5 :PWON"};
    p.m_keys[3].m_arrSlots[1] = {"", std::string(400, 'y')};
    const std::string bytes = p.Store();
    for (size_t n = 0; n < bytes.size(); ++n)
        EXPECT_THROW(ProjectFile::Load(bytes.substr(0, n)), CArchiveException) << n;

    std::mt19937 rng(12345);
    for (int round = 0; round < 300; ++round) {
        std::string junk(std::uniform_int_distribution<size_t>(0, 12000)(rng), '\0');
        for (char& c : junk)
            c = static_cast<char>(rng());
        EXPECT_THROW(ProjectFile::Load(junk), CArchiveException) << round;
    }
}

TEST(ProjectFile, ReadAndWriteWholeFiles) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("a.dvp");
    ProjectFile p = FreshModel0();
    p.m_nDeviceId = 3;
    ASSERT_TRUE(p.Write(path));
    auto back = ProjectFile::Read(path);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->m_nDeviceId, 3);

    // A file cut short is refused as a whole.
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.resize(4000));
    }
    EXPECT_FALSE(ProjectFile::Read(path));
    EXPECT_FALSE(ProjectFile::Read(dir.filePath("missing.dvp")));
    EXPECT_FALSE(ProjectFile::Read(dir.path())); // a folder

    // A path that cannot be written: a folder of that name, or no such folder.
    ASSERT_TRUE(QDir(dir.path()).mkdir("taken.dvp"));
    EXPECT_FALSE(p.Write(dir.filePath("taken.dvp")));
    EXPECT_TRUE(QFileInfo(dir.filePath("taken.dvp")).isDir());
    EXPECT_FALSE(p.Write(dir.filePath("no/such/folder.dvp")));
}
