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

void CQvmView2ListCtrl::RefreshAll() {
    DeleteAllItems();
    for (int key = 0; key < kKeyCount; ++key)
        AddKeyItems(key);
}

void CQvmView2ListCtrl::AddKeyActionItem(int key, int slot) {
    DeselectAll();
    const int row = AppendItem(FormatKeyText(key));
    SetItemText(row, 1, FormatKeyActionName(slot));
    SetItemText(row, 2, FormatKeyActionDetail(key, slot));
    SetItemData(row, MakeItemData(key, slot));
}

void CQvmView2ListCtrl::AddKeyItems(int key) {
    const KeyRecord* k = Key(key);
    if (!k)
        return;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (!k->m_arrSlots[static_cast<size_t>(slot)].empty())
            AddKeyActionItem(key, slot);
    }
}

void CQvmView2ListCtrl::DeleteKeyItems(int key) {
    setUpdatesEnabled(false);
    const std::string text = FormatKeyText(key);
    for (int row = GetItemCount() - 1; row >= 0; --row) {
        if (GetItemText(row, 0) == text)
            DeleteItem(row);
    }
    setUpdatesEnabled(true);
}

int CQvmView2ListCtrl::FindItem(int key, int slot) const {
    return FindItemByData(MakeItemData(key, slot));
}

void CQvmView2ListCtrl::Sort(int column, bool ascending) {
    SortRows([this, column](int a, int b) { return CompareRows(a, b, column); }, column, ascending);
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
    if (column == 0) {
        const long na = txt::ToInt(txt::Mid(a, 3));
        const long nb = txt::ToInt(txt::Mid(b, 3));
        return na < nb ? -1 : na > nb ? 1 : 0;
    }
    const int c = a.compare(b);
    return c < 0 ? -1 : c > 0 ? 1 : 0;
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
