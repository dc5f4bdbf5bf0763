#pragma once
// The code list of the IR library editor: a report list with the columns
// number, name and code, whose rows hold the program's 8-bit text. Its row
// helpers (DeselectAll, SelectItem) are the ones every list of the program
// shares (ReportListCtrl).
//
// A click on a column header never sorts; SortAndRenumber sorts by name.

#include "controls/reportlistctrl.h"
#include "model/keyrecord.h"

#include <QColor>
#include <string>

class CQvmIrListCtrl : public ReportListCtrl {
    Q_OBJECT
public:
    explicit CQvmIrListCtrl(QWidget* parent = nullptr);

    using ReportListCtrl::DeselectAll;
    using ReportListCtrl::SelectItem;
    // false when row is not below the row count (nothing changes); else the
    // row becomes the only selected and focused row and is scrolled into view.
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

    // false: rows in the list's own colours; true: alternating row colours.
    bool m_bColorMode = false;

private:
    int CompareRows(int row1, int row2, int column) const;
};
