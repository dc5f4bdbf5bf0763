#include "controls/cqvmirlistctrl.h"

#include <QHeaderView>
#include <QtTest/QTest>
#include <gtest/gtest.h>

namespace {

std::vector<int> SelectedRows(const CQvmIrListCtrl& list) {
    std::vector<int> rows;
    for (int row = 0; row < list.GetItemCount(); ++row) {
        if (list.IsItemSelected(row))
            rows.push_back(row);
    }
    return rows;
}

} // namespace

TEST(IrListLineParts, NameAndCodeAroundTheFirstColon) {
    EXPECT_EQ(CQvmIrListCtrl::GetNamePart("Power : FFA0"), "Power");
    EXPECT_EQ(CQvmIrListCtrl::GetCodePart("Power : FFA0"), "FFA0");
    EXPECT_EQ(CQvmIrListCtrl::GetNamePart("  TV On\t:   12 34  "), "TV On");
    EXPECT_EQ(CQvmIrListCtrl::GetCodePart("  TV On\t:   12 34  "), "12 34  ");
    EXPECT_EQ(CQvmIrListCtrl::GetNamePart("a:b:c"), "a");
    EXPECT_EQ(CQvmIrListCtrl::GetCodePart("a:b:c"), "b:c");
    for (const char* line : {"", "NoColon", ":FFA0"}) {
        EXPECT_EQ(CQvmIrListCtrl::GetNamePart(line), "") << line;
        EXPECT_EQ(CQvmIrListCtrl::GetCodePart(line), "") << line;
    }
    const std::string code(250, 'f');
    EXPECT_EQ(CQvmIrListCtrl::GetCodePart("Long: " + code), std::string(198, 'f'));
}

TEST(IrList, AddItemNumbersSelectsAndKeepsBytes) {
    CQvmIrListCtrl list;
    list.show();
    for (const char* name : {"One", "Two", "Three"})
        list.AddItem(name, "00");
    list.SelectItem(0);
    // A name in code page 936 (the two characters for "TV").
    const std::string tv = "\xB5\xE7\xCA\xD3";
    list.AddItem(tv, "FFA0");
    ASSERT_EQ(list.GetItemCount(), 4);
    EXPECT_EQ(list.topLevelItem(3)->text(0), QString("4"));
    EXPECT_EQ(list.topLevelItem(3)->text(1), QString::fromUtf8("\xE7\x94\xB5\xE8\xA7\x86"));
    EXPECT_EQ(list.GetItemData(3), 3);
    EXPECT_EQ(SelectedRows(list), std::vector<int>{3});
    EXPECT_EQ(list.currentItem(), list.topLevelItem(3));
    EXPECT_EQ(list.GetItemLine(3), tv + " : FFA0");
    EXPECT_EQ(list.GetItemLine(4), "");
    EXPECT_EQ(list.GetItemLine(-1), "");
}

TEST(IrList, SelectItemPastTheEndChangesNothing) {
    CQvmIrListCtrl list;
    list.AddItem("A", "1");
    list.AddItem("B", "2");
    list.SelectItem(0);
    EXPECT_FALSE(list.SelectItem(2));
    EXPECT_FALSE(list.SelectItem(-1));
    EXPECT_EQ(SelectedRows(list), std::vector<int>{0});
    EXPECT_TRUE(list.SelectItem(1));
    EXPECT_EQ(SelectedRows(list), std::vector<int>{1});
}

TEST(IrList, DeselectAllWorksOnAnyListAndDropsTheFocus) {
    QTreeWidget other;
    other.setSelectionMode(QAbstractItemView::ExtendedSelection);
    for (int i = 0; i < 3; ++i)
        new QTreeWidgetItem(&other, QStringList{QString::number(i)});
    other.topLevelItem(0)->setSelected(true);
    other.setCurrentItem(other.topLevelItem(2));
    ASSERT_TRUE(other.topLevelItem(2)->isSelected());
    CQvmIrListCtrl::DeselectAll(&other);
    EXPECT_TRUE(other.selectedItems().isEmpty());
    EXPECT_EQ(other.currentItem(), nullptr);

    EXPECT_TRUE(CQvmIrListCtrl::SelectItem(&other, 1));
    EXPECT_EQ(other.selectedItems(), QList<QTreeWidgetItem*>{other.topLevelItem(1)});
    EXPECT_EQ(other.currentItem(), other.topLevelItem(1));
}

TEST(IrList, LoadFromArrayReplacesRowsAndSelectsTheLast) {
    CQvmIrListCtrl list;
    list.AddItem("Old", "99");
    list.LoadFromArray({"Power : FFA0", "garbage", "Mute:01 02"});
    ASSERT_EQ(list.GetItemCount(), 3);
    EXPECT_EQ(list.GetItemLine(0), "Power : FFA0");
    EXPECT_EQ(list.GetItemLine(1), " : ");
    EXPECT_EQ(list.GetItemLine(2), "Mute : 01 02");
    EXPECT_EQ(list.topLevelItem(2)->text(0), QString("3"));
    EXPECT_EQ(SelectedRows(list), std::vector<int>{2});
}

TEST(IrList, SortAndRenumberByNameIgnoringCase) {
    CQvmIrListCtrl list;
    list.LoadFromArray({"beta : 1", "Alpha : 2", "alpha2 : 3", "ALPHA : 4"});
    list.SelectItem(0); // "beta"
    list.SortAndRenumber();
    std::vector<std::string> lines;
    for (int row = 0; row < list.GetItemCount(); ++row) {
        lines.push_back(list.GetItemLine(row));
        EXPECT_EQ(list.topLevelItem(row)->text(0), QString::number(row + 1));
        EXPECT_EQ(list.GetItemData(row), row);
    }
    // Names equal but for case keep their order.
    EXPECT_EQ(lines, (std::vector<std::string>{"Alpha : 2", "ALPHA : 4", "alpha2 : 3", "beta : 1"}));
    EXPECT_EQ(SelectedRows(list), std::vector<int>{3});
    EXPECT_EQ(list.GetSortColumn(), 1);
}

TEST(IrList, CompareFoldsSingleByteLettersOnly) {
    CQvmIrListCtrl list;
    list.AddItem("abc", "");
    list.AddItem("ABC", "");
    list.AddItem("abd", "");
    // Two double-byte characters whose trail bytes are 'A' and 'a'.
    list.AddItem("\x81\x41", "");
    list.AddItem("\x81\x61", "");
    EXPECT_EQ(list.OnCompareItems(0, 1, 1), 0);
    EXPECT_LT(list.OnCompareItems(1, 2, 1), 0);
    EXPECT_GT(list.OnCompareItems(2, 0, 1), 0);
    EXPECT_LT(list.OnCompareItems(3, 4, 1), 0);
    // Double-byte characters sort after every single-byte one.
    EXPECT_GT(list.OnCompareItems(3, 2, 1), 0);
    // Other columns compare equal.
    EXPECT_EQ(list.OnCompareItems(0, 2, 0), 0);
    EXPECT_EQ(list.OnCompareItems(0, 2, 2), 0);
}

TEST(IrList, HeaderClickDoesNotSort) {
    CQvmIrListCtrl list;
    list.setHeaderLabels({"No.", "Name", "Data"});
    list.resize(400, 200);
    list.show();
    list.LoadFromArray({"b : 1", "a : 2"});
    QHeaderView* header = list.header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionPosition(1) + 5, 5));
    EXPECT_EQ(list.GetItemLine(0), "b : 1");
    EXPECT_EQ(list.GetItemLine(1), "a : 2");
}

TEST(IrList, RowColoursByMode) {
    CQvmIrListCtrl list;
    list.LoadFromArray({"a : 1", "b : 2"});
    EXPECT_FALSE(list.m_bColorMode);
    EXPECT_EQ(list.OnGetCellTextColor(0, 1), list.palette().color(QPalette::Text));
    EXPECT_EQ(list.OnGetCellBkColor(1, 1), list.palette().color(QPalette::Base));

    list.m_bColorMode = true;
    EXPECT_EQ(list.OnGetCellTextColor(0, 0), QColor(128, 37, 0));
    EXPECT_EQ(list.OnGetCellTextColor(1, 0), QColor(0, 0, 0));
    EXPECT_EQ(list.OnGetCellBkColor(0, 1), QColor(253, 241, 249));
    EXPECT_EQ(list.OnGetCellBkColor(1, 1), QColor(196, 238, 254));
    list.EnableMarkSortedColumn(true);
    list.SortAndRenumber();
    EXPECT_EQ(list.OnGetCellBkColor(0, 1), QColor(233, 221, 229));
    EXPECT_EQ(list.OnGetCellBkColor(1, 1), QColor(176, 218, 234));
    EXPECT_EQ(list.OnGetCellBkColor(1, 2), QColor(196, 238, 254));
}
