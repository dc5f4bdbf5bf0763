#include "model/keyrecord.h"

#include <gtest/gtest.h>
#include <random>

namespace {

std::string Bytes(std::initializer_list<int> bytes) {
    std::string out;
    for (int b : bytes)
        out.push_back(static_cast<char>(b));
    return out;
}

std::string Archived(KeyRecord& key) {
    CArchive ar;
    key.Serialize(ar);
    return ar.Bytes();
}

KeyRecord Captioned(const std::string& caption) {
    KeyRecord k;
    k.m_strName = caption;
    k.m_strCaption = caption;
    return k;
}

} // namespace

TEST(KeyActionSlot, EveryKindMapsToItsSlotOrNone) {
    struct Case {
        int kind, a, b, slot;
    };
    const Case cases[] = {
        {1, 0, 0, 0},  {1, 1, 9, 1},   {1, 2, 0, 2},  {1, 5, 0, 2},    {1, -1, 0, -1}, {2, 0, 0, 3},
        {2, 1, 2, 9},  {2, 3, 3, 18},  {2, 4, 0, -1}, {2, 0, -1, -1},  {2, 0, 4, -1},  {3, 3, 3, 22},
        {3, 0, 0, 19}, {3, 1, -1, -1}, {3, 4, 0, -1}, {4, 0, 0, 23},   {4, 3, 0, 26},  {4, -1, 0, -1},
        {5, 0, 0, 27}, {5, 3, 7, 30},  {5, 4, 0, -1}, {6, 2, 600, 33}, {6, 3, 10, 34}, {6, 4, 0, -1},
        {7, 9, 9, 35}, {8, -5, 5, 36}, {0, 0, 0, -1}, {9, 0, 0, -1},   {-1, 0, 0, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(KeyRecord::GetKeyActionSlot(c.kind, c.a, c.b), c.slot)
            << "kind " << c.kind << " a " << c.a << " b " << c.b;
}

TEST(KeyAction, SettingKeepsOneKindAndAddsPlaceholders) {
    KeyRecord k;
    EXPECT_EQ(k.SetKeyAction(1, 0, 0), 0);
    EXPECT_EQ(k.m_arrSlots[0], CStringArray{""});
    EXPECT_EQ(k.m_nKind, 1);
    EXPECT_EQ(k.m_nParamA, 0);
    EXPECT_EQ(k.m_nParamB, 0);

    k.m_arrSlots[0][0] = "DELY : 0 : 0 : 1 : 0 : 0000010";
    EXPECT_EQ(k.SetKeyAction(1, 1, 0), 1);
    EXPECT_EQ(k.m_arrSlots[1], CStringArray{""});
    EXPECT_EQ(k.m_arrSlots[0], CStringArray{"DELY : 0 : 0 : 1 : 0 : 0000010"});
    EXPECT_EQ(k.m_nParamA, 1);

    // The same key action again keeps its events.
    EXPECT_EQ(k.SetKeyAction(1, 0, 0), 0);
    EXPECT_EQ(k.m_arrSlots[0], CStringArray{"DELY : 0 : 0 : 1 : 0 : 0000010"});

    // Another kind empties every slot first.
    EXPECT_EQ(k.SetKeyAction(2, 0, 1), 4);
    for (int s = 0; s < kSlotCount; ++s)
        EXPECT_EQ(k.m_arrSlots[s].size(), s == 4 ? 1u : 0u) << "slot " << s;
    EXPECT_EQ(k.m_nParamA, 0);
    EXPECT_EQ(k.m_nParamB, 1);
    EXPECT_EQ(k.m_nKind, 2);
}

TEST(KeyAction, RefusedKeyActionChangesNothing) {
    KeyRecord k;
    k.SetKeyAction(2, 1, 1);
    const KeyRecord before = k;
    EXPECT_EQ(k.SetKeyAction(2, 4, 0), -1);
    EXPECT_EQ(k.SetKeyAction(9, 0, 0), -1);
    EXPECT_EQ(k, before);
}

TEST(KeyAction, TimerStoresMinutesButTimerFourHasNone) {
    KeyRecord k;
    k.m_nParamB = 77;
    EXPECT_EQ(k.SetKeyAction(6, 1, 125), 32);
    EXPECT_EQ(k.m_nTimer[1], 125);
    EXPECT_EQ(k.m_nParamA, 1);
    EXPECT_EQ(k.m_nParamB, 77);
    EXPECT_EQ(k.SetKeyAction(6, 3, 10), 34);
    EXPECT_EQ(k.m_nTimer, (std::array<int, 3>{0, 125, 0}));
    EXPECT_EQ(k.m_nParamA, 3);
    // Start and Virtual reset both parameters.
    EXPECT_EQ(k.SetKeyAction(7, 2, 2), 35);
    EXPECT_EQ(k.m_nParamA, 0);
    EXPECT_EQ(k.m_nParamB, 0);
}

TEST(KeyAction, FewerToggleStatesDropTheStatesBeyond) {
    KeyRecord k;
    k.SetKeyAction(3, 3, 0);
    for (int s = 19; s <= 22; ++s)
        k.m_arrSlots[s] = {"LTOG : t : 0 : 0 : 0"};
    k.m_nParamA = 3;

    // Slot 19 still filled: nothing is emptied, only a changes.
    EXPECT_EQ(k.SetKeyAction(3, 1, 0), 19);
    for (int s = 19; s <= 22; ++s)
        EXPECT_EQ(k.m_arrSlots[s].size(), 1u);
    EXPECT_EQ(k.m_nParamA, 1);

    k.m_nParamA = 3;
    k.m_arrSlots[19].clear();
    EXPECT_EQ(k.SetKeyAction(3, 1, 0), 19);
    EXPECT_EQ(k.m_arrSlots[19], CStringArray{""});
    for (int s = 20; s <= 22; ++s)
        EXPECT_TRUE(k.m_arrSlots[s].empty()) << "slot " << s;
}

TEST(KeyEvents, AddReplacesABlankPlaceholderElseAppends) {
    KeyRecord k;
    EXPECT_EQ(k.AddEvent(5, "A"), 0);
    EXPECT_EQ(k.AddEvent(5, "B"), 1);
    k.m_arrSlots[6] = {"  "};
    EXPECT_EQ(k.AddEvent(6, "C"), 0);
    EXPECT_EQ(k.m_arrSlots[6], CStringArray{"C"});
    EXPECT_EQ(k.AddEvent(37, "x"), -1);
    EXPECT_EQ(k.AddEvent(-1, "x"), -1);
    EXPECT_EQ(k.m_arrSlots[5], (CStringArray{"A", "B"}));
}

TEST(KeyEvents, MoveAndRemoveStayInRange) {
    KeyRecord k;
    k.m_arrSlots[0] = {"a", "b", "c"};
    EXPECT_FALSE(k.MoveEventUp(0, 0));
    EXPECT_FALSE(k.MoveEventDown(0, 2));
    EXPECT_FALSE(k.MoveEventUp(0, 3));
    EXPECT_FALSE(k.MoveEventDown(37, 0));
    EXPECT_EQ(k.m_arrSlots[0], (CStringArray{"a", "b", "c"}));
    EXPECT_TRUE(k.MoveEventUp(0, 2));
    EXPECT_EQ(k.m_arrSlots[0], (CStringArray{"a", "c", "b"}));
    EXPECT_TRUE(k.MoveEventDown(0, 0));
    EXPECT_EQ(k.m_arrSlots[0], (CStringArray{"c", "a", "b"}));
    k.RemoveEvent(0, 3);
    k.RemoveEvent(40, 0);
    k.RemoveEvent(0, -1);
    EXPECT_EQ(k.m_arrSlots[0].size(), 3u);
    k.RemoveEvent(0, 1);
    EXPECT_EQ(k.m_arrSlots[0], (CStringArray{"c", "b"}));
    k.m_arrSlots[1] = {"x"};
    EXPECT_FALSE(k.MoveEventDown(1, 0));
}

TEST(KeyEvents, EmptinessCountsOneBlankTextAsEmpty) {
    KeyRecord k;
    EXPECT_TRUE(k.IsKeyActionEmpty(0));
    k.m_arrSlots[0] = {" \t"};
    EXPECT_TRUE(k.IsKeyActionEmpty(0));
    k.m_arrSlots[0] = {"", ""};
    EXPECT_FALSE(k.IsKeyActionEmpty(0));
    k.m_arrSlots[0] = {"x"};
    EXPECT_FALSE(k.IsKeyActionEmpty(0));
    k.ClearAllKeyActions();
    EXPECT_TRUE(k.IsKeyActionEmpty(0));
    EXPECT_EQ(k.m_nKind, 0);
}

TEST(KeyArchive, NewKeyIs126BytesInTheFileLayout) {
    KeyRecord k = Captioned("1");
    std::string expected = Bytes({0x01, '1', 0x01, '1'});
    expected += std::string(48, '\0');
    for (int s = 0; s < kSlotCount; ++s)
        expected += Bytes({0x00, 0x00});
    EXPECT_EQ(Archived(k), expected);
    EXPECT_EQ(expected.size(), 126u);

    // A placeholder slot adds one empty string: count 01 00, then 00.
    k.SetKeyAction(1, 0, 0);
    const std::string withPlaceholder = Archived(k);
    EXPECT_EQ(withPlaceholder.size(), 127u);
    EXPECT_EQ(withPlaceholder.substr(52, 3), Bytes({0x01, 0x00, 0x00}));
}

TEST(KeyArchive, IntegersStandInTheirFileOrder) {
    KeyRecord k = Captioned("9");
    k.m_nKeyType = 3;
    k.m_nColorScheme = 4;
    k.m_nTimer = {5, 6, 7};
    k.m_nReserved2 = 8;
    k.m_nKind = 2;
    k.m_nLedLevel = 9;
    k.m_nGroup = 10;
    k.m_nParamA = 11;
    k.m_nParamB = 12;
    k.m_nRepeatDelay = 13;
    const std::string bytes = Archived(k);
    const int expected[] = {3, 4, 5, 6, 7, 8, 2, 9, 10, 11, 12, 13};
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(bytes.substr(4 + 4 * i, 4), Bytes({expected[i], 0, 0, 0})) << "integer " << i;
}

TEST(KeyArchive, RecordsRoundTripIncludingEveryLengthForm) {
    KeyRecord k = Captioned("12");
    k.m_strName = "\xD6\xD0";
    k.m_nRepeatDelay = 25;
    k.SetKeyAction(2, 3, 3);
    k.m_nTimer = {1, 2, 999};
    k.m_arrSlots[0] = {std::string(255, 'a'), std::string(65534, 'b'), std::string(65535, 'c'), ""};
    k.m_arrSlots[36] = CStringArray(65535, "UART");
    const std::string bytes = Archived(k);

    KeyRecord loaded;
    loaded.m_nRepeatDelay = 99;
    CArchive in(bytes);
    loaded.Serialize(in);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(loaded, k);
    EXPECT_EQ(loaded.m_nRepeatDelay, 25);
}

TEST(KeyArchive, OriginalFilesLoadWithRepeatDelayZero) {
    // The original program writes 0 in the spare integer.
    KeyRecord k = Captioned("3");
    std::string bytes = Archived(k);
    KeyRecord loaded;
    loaded.m_nRepeatDelay = 40;
    CArchive in(bytes);
    loaded.Serialize(in);
    EXPECT_EQ(loaded.m_nRepeatDelay, 0);
    EXPECT_EQ(loaded.m_strCaption, "3");
}

TEST(KeyArchive, EveryTruncationIsRefusedAndLeavesTheKeyAsItWas) {
    KeyRecord k = Captioned("7");
    k.SetKeyAction(1, 0, 0);
    k.AddEvent(0, "RELY : 1 : 0 : 0");
    k.AddEvent(0, std::string(300, 'z'));
    const std::string bytes = Archived(k);

    KeyRecord target = Captioned("old");
    target.SetKeyAction(8, 0, 0);
    const KeyRecord before = target;
    for (size_t n = 0; n < bytes.size(); ++n) {
        CArchive in(bytes.substr(0, n));
        EXPECT_THROW(target.Serialize(in), CArchiveException) << "length " << n;
        ASSERT_EQ(target, before) << "length " << n;
    }
}

TEST(KeyArchive, RandomBytesNeverCrash) {
    std::mt19937 rng(12345);
    KeyRecord base = Captioned("5");
    base.SetKeyAction(1, 0, 0);
    base.AddEvent(0, "LEDP : 3 : 1 : 1");
    const std::string valid = Archived(base);
    for (int round = 0; round < 3000; ++round) {
        std::string bytes;
        if (round % 2 == 0) {
            bytes.resize(rng() % 400);
            for (auto& c : bytes)
                c = static_cast<char>(rng());
        } else {
            bytes = valid;
            for (int m = 0; m < 4; ++m)
                bytes[rng() % bytes.size()] = static_cast<char>(rng());
        }
        KeyRecord k;
        CArchive in(bytes);
        try {
            k.Serialize(in);
        } catch (const CArchiveException&) {
            EXPECT_EQ(k, KeyRecord());
        }
    }
}
