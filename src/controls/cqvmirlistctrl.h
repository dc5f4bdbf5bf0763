#pragma once
// The code list of the IR library editor: a report list with the columns
// number, name and code, whose rows hold the program's 8-bit text. Its row
// helpers (DeselectAll, SelectItem) also serve the main dialog's lists.
//
// A click on a column header never sorts; SortAndRenumber sorts by name.

#include "model/keyrecord.h"

#include <QColor>
#include <QTreeWidget>
#include <string>

class CQvmIrListCtrl : public QTreeWidget {
    Q_OBJECT
public:
    explicit CQvmIrListCtrl(QWidget* parent = nullptr);

    // Every selected row of `list` loses its selected and focused state.
    static void DeselectAll(QTreeWidget* list);
    // false when row is not below the row count (nothing changes); else the
    // row becomes the only selected row and the focused one.
    static bool SelectItem(QTreeWidget* list, int row);

    void DeselectAll();
    bool SelectItem(int row);

    // Appends row n (n = the row count before): "n + 1", name, code, item
    // data n; it becomes the only selected and focused row.
    void AddItem(const std::string& name, const std::string& code);
    // Replaces all rows by the lines, each a name, a colon and a code.
    void LoadFromArray(const CStringArray& lines);
    // Sorts by name, case-insensitively, then numbers the rows 1..n again
    // and makes each row's item data its index.
    void SortAndRenumber();

    // Name, " : ", code; empty for a row that does not exist.
    std::string GetItemLine(int row) const;
    // The text before the first ':', trimmed; empty when the line is empty,
    // has no ':' or starts with it.
    static std::string GetNamePart(const std::string& line);
    // The text after the first ':' without its leading blanks, cut to 198
    // characters; empty in the same cases.
    static std::string GetCodePart(const std::string& line);

    // Sort comparison of the rows whose item data are data1 and data2:
    // column 1 compares the names case-insensitively, any other is equal.
    int OnCompareItems(qint64 data1, qint64 data2, int column) const;
    QColor OnGetCellTextColor(int row, int column) const;
    QColor OnGetCellBkColor(int row, int column) const;

    // Row access in the program's 8-bit text.
    int GetItemCount() const;
    std::string GetItemText(int row, int column) const;
    void SetItemText(int row, int column, const std::string& text);
    qint64 GetItemData(int row) const;
    void SetItemData(int row, qint64 data);
    bool IsItemSelected(int row) const;
    // The first selected row, or -1.
    int GetFirstSelectedItem() const;
    bool DeleteItem(int row);
    void DeleteAllItems();

    // The column last sorted by, -1 before any sort.
    int GetSortColumn() const { return m_nSortColumn; }
    void EnableMarkSortedColumn(bool mark = true);

    // false: rows in the list's own colours; true: alternating row colours.
    bool m_bColorMode = false;

private:
    int CompareRows(const QTreeWidgetItem* first, const QTreeWidgetItem* second, int column) const;

    bool m_bMarkSortedColumn = false;
    int m_nSortColumn = -1;
};
