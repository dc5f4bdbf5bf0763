#include "app/cqvmview2listctrl.h"

#include "platform/textutil.h"

#include <QHeaderView>

CQvmView2ListCtrl::CQvmView2ListCtrl(QWidget* parent) : ReportListCtrl(parent) {
    header()->setSectionsClickable(true);
    connect(header(), &QHeaderView::sectionClicked, this, &CQvmView2ListCtrl::OnColumnClick);
}

const KeyRecord* CQvmView2ListCtrl::Key(int key) const {
    if (key < 0 || key >= kKeyCount || !m_keys)
        return nullptr;
    return m_keys(key);
}

// Every row is added as AddKeyActionItem adds it: all rows are deselected
// first. Rows join the list in one step; after the first deselection
// nothing is selected, so deselecting before each row changes nothing more.
void CQvmView2ListCtrl::RefreshAll() {
    DeleteAllItems();
    std::vector<Row> rows;
    for (int key = 0; key < kKeyCount; ++key)
        AddKeyRows(key, rows);
    AddRows(rows);
}

void CQvmView2ListCtrl::AddKeyActionItem(int key, int slot) {
    AddRows({MakeRow(key, slot)});
}

void CQvmView2ListCtrl::AddKeyItems(int key) {
    std::vector<Row> rows;
    AddKeyRows(key, rows);
    AddRows(rows);
}

CQvmView2ListCtrl::Row CQvmView2ListCtrl::MakeRow(int key, int slot) const {
    return Row{{FormatKeyText(key), FormatKeyActionName(slot), FormatKeyActionDetail(key, slot)},
               MakeItemData(key, slot)};
}

void CQvmView2ListCtrl::AddKeyRows(int key, std::vector<Row>& rows) const {
    const KeyRecord* k = Key(key);
    if (!k)
        return;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (!k->m_arrSlots[static_cast<size_t>(slot)].empty())
            rows.push_back(MakeRow(key, slot));
    }
}

void CQvmView2ListCtrl::AddRows(const std::vector<Row>& rows) {
    if (rows.empty())
        return;
    DeselectAll();
    AppendRows(rows);
}

// Nothing is drawn between the deletions, so the list needs no redrawing
// turned off around them.
void CQvmView2ListCtrl::DeleteKeyItems(int key) {
    const std::string text = FormatKeyText(key);
    DeleteItems([&](int row) { return GetItemText(row, 0) == text; });
}

int CQvmView2ListCtrl::FindItem(int key, int slot) const {
    return FindItemByData(MakeItemData(key, slot));
}

// Each row's key number (or text) is read once, not in every comparison.
void CQvmView2ListCtrl::Sort(int column, bool ascending) {
    const int count = GetItemCount();
    if (column == 0) {
        std::vector<long> numbers(static_cast<size_t>(count));
        for (int row = 0; row < count; ++row)
            numbers[static_cast<size_t>(row)] = KeyNumber(GetItemText(row, 0));
        SortRows([&](int a, int b) { return Compare(numbers[size_t(a)], numbers[size_t(b)]); }, column,
                 ascending);
        return;
    }
    std::vector<std::string> texts(static_cast<size_t>(count));
    for (int row = 0; row < count; ++row)
        texts[static_cast<size_t>(row)] = GetItemText(row, column);
    SortRows([&](int a, int b) { return Compare(texts[size_t(a)].compare(texts[size_t(b)]), 0); }, column,
             ascending);
}

void CQvmView2ListCtrl::OnColumnClick(int column) {
    Sort(column, !(column == GetSortColumn() && IsSortAscending()));
}

int CQvmView2ListCtrl::OnCompareItems(qint64 data1, qint64 data2, int column) const {
    return CompareRows(FindItemByData(data1), FindItemByData(data2), column);
}

int CQvmView2ListCtrl::CompareRows(int row1, int row2, int column) const {
    const std::string a = GetItemText(row1, column);
    const std::string b = GetItemText(row2, column);
    if (column == 0)
        return Compare(KeyNumber(a), KeyNumber(b));
    return Compare(a.compare(b), 0);
}

long CQvmView2ListCtrl::KeyNumber(const std::string& keyText) {
    // The number after "Key".
    return txt::ToInt(txt::Mid(keyText, 3));
}

std::string CQvmView2ListCtrl::FormatKeyText(int key) {
    return txt::Format("Key%d", key + 1);
}

std::string CQvmView2ListCtrl::FormatKeyActionName(int slot) {
    if (slot == kSlotPress)
        return "Press";
    if (slot == kSlotRelease)
        return "Release";
    if (slot == kSlotLong)
        return "Long";
    if (slot >= kSlotPageFirst && slot < kSlotToggleFirst)
        return "Page";
    if (slot >= kSlotToggleFirst && slot < kSlotIoLowFirst)
        return "Toggle";
    if (slot >= kSlotIoLowFirst && slot < kSlotIoHighFirst)
        return "IOL";
    if (slot >= kSlotIoHighFirst && slot < kSlotTimeFirst)
        return "IOH";
    if (slot >= kSlotTimeFirst && slot < kSlotStart)
        return "Time";
    if (slot == kSlotStart)
        return "Start";
    if (slot == kSlotVirtual)
        return "Virtual";
    return {};
}

std::string CQvmView2ListCtrl::FormatKeyActionDetail(int key, int slot) const {
    const KeyRecord* k = Key(key);
    if (!k)
        return {};
    if (slot == kSlotPress) {
        const float seconds = static_cast<float>(k->m_nRepeatDelay) / 10;
        return txt::Format("Repeat Delay Time: %.1fS", static_cast<double>(seconds));
    }
    if (slot >= kSlotPageFirst && slot < kSlotToggleFirst)
        return txt::Format("Class: %d,Num: %d", (slot - 3) / 4 + 1, (slot - 3) % 4 + 1);
    if (slot >= kSlotToggleFirst && slot < kSlotIoLowFirst)
        // The class comes from the project file and may be any value.
        return txt::Format("Class: %01lld,Num: %d", k->m_nParamA + 1LL, (slot - 19) % 4 + 1);
    if (slot >= kSlotIoLowFirst && slot < kSlotIoHighFirst)
        return txt::Format("Port %d", (slot - 23) % 4 + 1);
    if (slot >= kSlotIoHighFirst && slot < kSlotTimeFirst)
        return txt::Format("Port %d", (slot - 27) % 4 + 1);
    if (slot >= kSlotTimeFirst && slot < kSlotStart) {
        // Slot 34 (timer 4) reads timer 1: t wraps at three.
        const int t = (slot - 31) % 3;
        const int minutes = k->m_nTimer[static_cast<size_t>(t)];
        return txt::Format("Time %d: %dhour %dmin", t + 1, minutes / 60, minutes % 60);
    }
    return {};
}
