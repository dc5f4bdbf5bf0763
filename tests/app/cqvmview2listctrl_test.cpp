#include "app/cqvmview2listctrl.h"

#include <QHeaderView>
#include <QtTest/QTest>
#include <array>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace {

struct ActionListFixture : ::testing::Test {
    ActionListFixture() {
        list.SetKeys([this](int key) { return &keys[static_cast<size_t>(key)]; });
        list.setColumnCount(3);
        QObject::connect(&list, &ReportListCtrl::ItemSelected, [this](int row) { notices.push_back(row); });
    }
    std::vector<std::string> Column(int column) const {
        std::vector<std::string> out;
        for (int row = 0; row < list.GetItemCount(); ++row)
            out.push_back(list.GetItemText(row, column));
        return out;
    }
    std::array<KeyRecord, kKeyCount> keys;
    CQvmView2ListCtrl list;
    std::vector<int> notices;
};

} // namespace

TEST(ActionListTexts, NamesAndDetailsBySlot) {
    const std::vector<std::pair<int, std::string>> names = {
        {0, "Press"},   {1, "Release"}, {2, "Long"},     {3, "Page"}, {18, "Page"}, {19, "Toggle"},
        {22, "Toggle"}, {23, "IOL"},    {26, "IOL"},     {27, "IOH"}, {30, "IOH"},  {31, "Time"},
        {34, "Time"},   {35, "Start"},  {36, "Virtual"}, {37, ""},    {-1, ""}};
    for (const auto& [slot, name] : names)
        EXPECT_EQ(CQvmView2ListCtrl::FormatKeyActionName(slot), name) << slot;
    EXPECT_EQ(CQvmView2ListCtrl::FormatKeyText(0), "Key1");
    EXPECT_EQ(CQvmView2ListCtrl::FormatKeyText(35), "Key36");

    std::array<KeyRecord, kKeyCount> keys;
    CQvmView2ListCtrl list;
    list.SetKeys([&](int key) { return &keys[static_cast<size_t>(key)]; });
    KeyRecord& k = keys[4];
    k.m_nRepeatDelay = 15;
    k.m_nParamA = 2;
    k.m_nTimer = {125, 60, 59};
    const std::vector<std::pair<int, std::string>> details = {
        {0, "Repeat Delay Time: 1.5S"},
        {1, ""},
        {2, ""},
        {3, "Class: 1,Num: 1"},
        {9, "Class: 2,Num: 3"},
        {18, "Class: 4,Num: 4"},
        {21, "Class: 3,Num: 3"},
        {23, "Port 1"},
        {26, "Port 4"},
        {28, "Port 2"},
        {31, "Time 1: 2hour 5min"},
        {32, "Time 2: 1hour 0min"},
        {33, "Time 3: 0hour 59min"},
        {34, "Time 1: 2hour 5min"}, // the fourth timer reads the first
        {35, ""},
        {36, ""}};
    for (const auto& [slot, detail] : details)
        EXPECT_EQ(list.FormatKeyActionDetail(4, slot), detail) << slot;
    k.m_nRepeatDelay = 0;
    EXPECT_EQ(list.FormatKeyActionDetail(4, 0), "Repeat Delay Time: 0.0S");
    k.m_nRepeatDelay = 99;
    EXPECT_EQ(list.FormatKeyActionDetail(4, 0), "Repeat Delay Time: 9.9S");
    EXPECT_EQ(list.FormatKeyActionDetail(36, 0), "");
    // The toggle class of a damaged project file is shown as it stands.
    k.m_nParamA = std::numeric_limits<int>::max();
    EXPECT_EQ(list.FormatKeyActionDetail(4, 19), "Class: 2147483648,Num: 1");
}

TEST_F(ActionListFixture, RefreshAllListsNonEmptySlotsSortedByKeyNumber) {
    keys[9].m_arrSlots[1] = {"RELY : 0 : 1"};
    keys[9].m_arrSlots[0] = {""}; // the placeholder counts
    keys[1].m_arrSlots[36] = {""};
    keys[1].m_arrSlots[2] = {"x"};
    keys[20].m_arrSlots[5] = {};
    list.RefreshAll();
    EXPECT_EQ(Column(0), (std::vector<std::string>{"Key2", "Key2", "Key10", "Key10"}));
    EXPECT_EQ(Column(1), (std::vector<std::string>{"Long", "Virtual", "Press", "Release"}));
    EXPECT_EQ(list.GetItemData(0), 1 | (2 << 8));
    EXPECT_EQ(list.GetItemData(3), 9 | (1 << 8));
    EXPECT_EQ(list.FindItem(9, 0), 2);
    EXPECT_EQ(list.FindItem(9, 2), -1);

    // Rows added out of order sort by number (Key2 before Key10), and rows
    // of one key keep their slot order.
    list.DeleteAllItems();
    list.AddKeyItems(9);
    list.AddKeyItems(1);
    EXPECT_EQ(Column(0), (std::vector<std::string>{"Key10", "Key10", "Key2", "Key2"}));
    list.Sort(0);
    EXPECT_EQ(Column(0), (std::vector<std::string>{"Key2", "Key2", "Key10", "Key10"}));
    EXPECT_EQ(Column(1), (std::vector<std::string>{"Long", "Virtual", "Press", "Release"}));
    EXPECT_EQ(list.GetSortColumn(), 0);

    EXPECT_EQ(list.OnCompareItems(9, 1, 0), 1);
    EXPECT_EQ(list.OnCompareItems(1 | (2 << 8), 1 | (36 << 8), 0), 0);
    EXPECT_EQ(list.OnCompareItems(1, 9, 0), -1);
}

TEST_F(ActionListFixture, DeleteKeyItemsMatchesTheWholeKeyText) {
    keys[0].m_arrSlots[0] = {""};
    keys[0].m_arrSlots[1] = {""};
    keys[9].m_arrSlots[0] = {""};
    keys[10].m_arrSlots[0] = {""};
    list.RefreshAll();
    list.DeleteKeyItems(0); // "Key1" must not take "Key10" or "Key11" along
    EXPECT_EQ(Column(0), (std::vector<std::string>{"Key10", "Key11"}));
}

TEST_F(ActionListFixture, DeleteItemsTakesRunsOfRowsAndAsksOfEachRowOnce) {
    for (int key = 0; key < 6; ++key)
        keys[static_cast<size_t>(key)].m_arrSlots[0] = {""};
    list.RefreshAll(); // Key1 to Key6
    std::vector<int> asked;
    list.DeleteItems([&](int row) {
        asked.push_back(row);
        return row != 2 && row != 5;
    });
    EXPECT_EQ(Column(0), (std::vector<std::string>{"Key3", "Key6"}));
    EXPECT_EQ(asked, (std::vector<int>{5, 4, 3, 2, 1, 0}));
}

TEST_F(ActionListFixture, AKeysScatteredRowsAllGoAndTheFocusTravelsWithItsRow) {
    keys[0].m_arrSlots[0] = {""};  // Key1 Press
    keys[0].m_arrSlots[36] = {""}; // Key1 Virtual
    keys[9].m_arrSlots[1] = {""};  // Key10 Release
    keys[10].m_arrSlots[0] = {""}; // Key11 Press
    list.RefreshAll();
    list.SelectItem(2); // Key10 Release
    list.Sort(1);       // Press, Press, Release, Virtual: Key1's rows apart
    EXPECT_EQ(Column(0), (std::vector<std::string>{"Key1", "Key11", "Key10", "Key1"}));
    EXPECT_EQ(list.currentItem(), list.topLevelItem(2));
    list.DeleteKeyItems(0);
    EXPECT_EQ(Column(0), (std::vector<std::string>{"Key11", "Key10"}));
    list.Sort(0);
    EXPECT_EQ(Column(0), (std::vector<std::string>{"Key10", "Key11"}));
    EXPECT_EQ(list.GetFirstSelectedItem(), 0);
    EXPECT_EQ(list.currentItem(), list.topLevelItem(0));
    EXPECT_EQ(notices, (std::vector<int>{2}));
}

TEST_F(ActionListFixture, SelectionNoticesComeOncePerSelectedRowAndNotFromSorting) {
    keys[5].m_arrSlots[0] = {""};
    keys[2].m_arrSlots[0] = {""};
    keys[2].m_arrSlots[1] = {""};
    list.DeleteAllItems();
    list.AddKeyItems(5);
    list.AddKeyItems(2);
    EXPECT_TRUE(notices.empty());

    EXPECT_EQ(list.SelectItem(0), 0); // the Key6 row
    EXPECT_EQ(notices, (std::vector<int>{0}));
    EXPECT_EQ(list.SelectItem(3), -1);
    EXPECT_EQ(notices.size(), 1u);

    // Sorting moves the selected row without a notice; it stays selected.
    list.Sort(0);
    EXPECT_EQ(notices.size(), 1u);
    EXPECT_EQ(list.GetFirstSelectedItem(), 2);
    EXPECT_EQ(list.GetItemText(2, 0), "Key6");

    // Adding a row deselects all without a notice.
    list.AddKeyActionItem(7, 0);
    EXPECT_EQ(list.GetFirstSelectedItem(), -1);
    EXPECT_EQ(notices.size(), 1u);

    // A user's click selects one row and gives one notice.
    list.show();
    const QRect r = list.visualItemRect(list.topLevelItem(1));
    list.setCurrentItem(list.topLevelItem(1));
    EXPECT_FALSE(r.isEmpty());
    EXPECT_EQ(notices, (std::vector<int>{0, 1}));
}

TEST_F(ActionListFixture, DeletingTheSelectedRowSelectsNoOtherRow) {
    for (int key : {0, 1, 2})
        keys[static_cast<size_t>(key)].m_arrSlots[0] = {""};
    list.RefreshAll();
    list.show();
    list.SelectItem(1);
    notices.clear();
    list.DeleteKeyItems(1);
    EXPECT_EQ(list.GetItemCount(), 2);
    EXPECT_EQ(list.GetFirstSelectedItem(), -1);
    EXPECT_TRUE(notices.empty());
    list.SelectItem(1);
    list.RefreshAll();
    EXPECT_EQ(list.GetFirstSelectedItem(), -1);
    EXPECT_EQ(notices, (std::vector<int>{1}));
}

TEST_F(ActionListFixture, AHeaderClickSortsByItsColumnAndTheNextOneTheOtherWay) {
    keys[1].m_arrSlots[0] = {""};  // Key2 Press
    keys[1].m_arrSlots[1] = {""};  // Key2 Release
    keys[9].m_arrSlots[36] = {""}; // Key10 Virtual
    keys[4].m_arrSlots[4] = {""};  // Key5 Page
    list.setHeaderLabels({"Key", "Type", "Data"});
    list.resize(700, 200);
    list.show();
    list.RefreshAll();
    list.Sort(0);
    list.SelectItem(2); // Key5
    notices.clear();
    auto clickHeader = [this](int column) {
        QHeaderView* header = list.header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionPosition(column) + 5, 5));
    };

    clickHeader(0); // the list is sorted up by key: now down, one key's rows in slot order
    EXPECT_EQ(Column(0), (std::vector<std::string>{"Key10", "Key5", "Key2", "Key2"}));
    EXPECT_EQ(Column(1), (std::vector<std::string>{"Virtual", "Page", "Press", "Release"}));
    clickHeader(0);
    EXPECT_EQ(Column(0), (std::vector<std::string>{"Key2", "Key2", "Key5", "Key10"}));
    clickHeader(1);
    EXPECT_EQ(Column(1), (std::vector<std::string>{"Page", "Press", "Release", "Virtual"}));
    clickHeader(1);
    EXPECT_EQ(Column(1), (std::vector<std::string>{"Virtual", "Release", "Press", "Page"}));
    // The selection travels with its row, and sorting selects nothing.
    EXPECT_EQ(list.GetFirstSelectedItem(), 3);
    EXPECT_EQ(list.GetItemText(3, 0), "Key5");
    EXPECT_TRUE(notices.empty());
}

TEST_F(ActionListFixture, TheHeaderIsAsTallAsItsOwnFontNeedsAndFollowsAFontChange) {
    list.InsertColumn(0, "Key", 80);
    list.InsertColumn(1, "Type", 80);
    list.EnableMarkSortedColumn();
    const QHeaderView* header = list.header();
    const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    const auto textHeight = [](const QFontMetrics& metrics) {
        return metrics.size(0, QStringLiteral("Type")).height();
    };
    EXPECT_EQ(header->sizeHint().height(), textHeight(header->fontMetrics()) + margins);

    QFont larger = list.font();
    larger.setPixelSize(3 * QFontInfo(larger).pixelSize());
    list.setFont(larger);
    EXPECT_EQ(header->sizeHint().height(), textHeight(QFontMetrics(larger)) + margins);
}
