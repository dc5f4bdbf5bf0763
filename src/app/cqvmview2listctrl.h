#pragma once
// The Action List: one row per key action defined on any key, that is per
// key and non-empty slot (a lone blank placeholder counts).
//
//   column 0 "Key"   "Key%d" of key + 1
//   column 1 "Type"  the key action name of the slot
//   column 2 "Data"  the key action detail
//   item data        key | slot << 8
//
// A row is found by its item data, a key's rows by their column-0 text.
// A click on a column header sorts by that column, ascending, and the
// next click on the same header the other way round.

#include "controls/reportlistctrl.h"
#include "model/keyrecord.h"

#include <functional>
#include <string>
#include <vector>

class CQvmView2ListCtrl : public ReportListCtrl {
    Q_OBJECT
public:
    // The keys the list shows; the main dialog owns them.
    using KeyLookup = std::function<const KeyRecord*(int key)>;

    explicit CQvmView2ListCtrl(QWidget* parent = nullptr);
    void SetKeys(KeyLookup keys) { m_keys = std::move(keys); }

    static qint64 MakeItemData(int key, int slot) { return key | (slot << 8); }
    static int KeyOfData(qint64 data) { return static_cast<int>(data & 0xFF); }
    static int SlotOfData(qint64 data) { return static_cast<int>((data >> 8) & 0xFF); }

    // Deletes all rows, then adds the rows of every key 0-35 and non-empty
    // slot 0-36, key by key, slot by slot.
    void RefreshAll();
    // Deselects all rows and appends the row of (key, slot).
    void AddKeyActionItem(int key, int slot);
    // The rows of every non-empty slot of the key, in slot order.
    void AddKeyItems(int key);
    // Deletes every row whose column-0 text is the key's "Key%d".
    void DeleteKeyItems(int key);
    // The first row of (key, slot), or -1.
    int FindItem(int key, int slot) const;

    // Sorts the rows by the key number in column 0; rows of one key keep
    // their order.
    void Sort(int column, bool ascending = true);
    // A click on the header of the column.
    void OnColumnClick(int column);
    // Column 0 compares the numbers after "Key": -1, 0 or 1. Other columns
    // compare their texts byte-wise.
    int OnCompareItems(qint64 data1, qint64 data2, int column) const;

    static std::string FormatKeyText(int key);
    static std::string FormatKeyActionName(int slot);
    std::string FormatKeyActionDetail(int key, int slot) const;

private:
    const KeyRecord* Key(int key) const;
    Row MakeRow(int key, int slot) const;
    // The rows of the key's non-empty slots, in slot order, added to `rows`.
    void AddKeyRows(int key, std::vector<Row>& rows) const;
    // Deselects all rows and appends `rows`; nothing at all when it is empty.
    void AddRows(const std::vector<Row>& rows);
    int CompareRows(int row1, int row2, int column) const;
    static long KeyNumber(const std::string& keyText);
    template <typename T> static int Compare(T a, T b) { return a < b ? -1 : a > b ? 1 : 0; }

    KeyLookup m_keys;
};
