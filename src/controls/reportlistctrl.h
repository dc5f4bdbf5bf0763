#pragma once
// A report list (rows of text columns) whose cells hold the program's 8-bit
// text, with the row operations the program's lists share.
//
// ItemSelected stands for the list's item-changed notice with the new state
// "selected": it is sent once for every row that becomes selected, whether
// the user or the code selected it, and never while the list reorders its
// own rows, so a handler runs exactly once per real selection.

#include <QTreeWidget>
#include <functional>
#include <string>
#include <vector>

class ReportListCtrl : public QTreeWidget {
    Q_OBJECT
public:
    // A row to append: its texts from column 0 on, and its item data.
    struct Row {
        std::vector<std::string> texts;
        qint64 data = 0;
    };

    explicit ReportListCtrl(QWidget* parent = nullptr);

    // Appends a left-aligned column of the given width in pixels.
    void InsertColumn(int column, const std::string& heading, int width);

    int GetItemCount() const;
    // Appends a row with the column-0 text; returns its index.
    int AppendItem(const std::string& text);
    // Appends the rows at the end in one step, as AppendItem, SetItemText and
    // SetItemData row by row would.
    void AppendRows(const std::vector<Row>& rows);
    std::string GetItemText(int row, int column) const;
    void SetItemText(int row, int column, const std::string& text);
    qint64 GetItemData(int row) const;
    void SetItemData(int row, qint64 data);
    // The first row whose item data is `data`, or -1.
    int FindItemByData(qint64 data) const;
    bool IsItemSelected(int row) const;
    // The first selected row, or -1.
    int GetFirstSelectedItem() const;
    bool DeleteItem(int row);
    // Deletes every row for which `match` (given the row's index) holds, as
    // DeleteItem from the last row to the first would; rows next to each
    // other go in one step.
    void DeleteItems(const std::function<bool(int row)>& match);
    void DeleteAllItems();

    // Every selected row of any list loses its selected and focused state.
    static void DeselectAll(QTreeWidget* list);
    // false when row is not a row of the list (nothing changes); else the
    // row becomes the only selected row and the focused one.
    static bool SelectItem(QTreeWidget* list, int row);

    void DeselectAll() { DeselectAll(this); }
    // -1 when row is not a row of the list; else SelectItem above, and the
    // row is returned.
    int SelectItem(int row) { return SelectItem(this, row) ? row : -1; }
    void EnsureVisible(int row);

    // Sorts the rows with a three-way comparison of two row indexes (taken
    // before the sort); rows that compare equal keep their order. Selection
    // and focus travel with the rows and no ItemSelected is sent. The rows
    // move in one step, and only when their order changes.
    void SortRows(const std::function<int(int, int)>& compareRows, int column, bool ascending = true);
    // The column last sorted by, -1 before any sort, and its direction.
    int GetSortColumn() const { return m_nSortColumn; }
    bool IsSortAscending() const { return m_bSortAscending; }
    // Whether the sorted column is marked (in the header, and for lists
    // that colour their cells, in its cells).
    void EnableMarkSortedColumn(bool mark = true);
    bool IsMarkSortedColumn() const { return m_bMarkSortedColumn; }
    // Lines between the rows and the columns.
    void SetGridLines(bool on);

signals:
    void ItemSelected(int row);

protected:
    void changeEvent(QEvent* event) override;
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;

private:
    void OnSelectionChanged(const QItemSelection& selected);
    void UpdateHeaderSizeHints();

    int m_nSortColumn = -1;
    bool m_bSortAscending = true;
    bool m_bMarkSortedColumn = false;
    bool m_bQuiet = false;
    bool m_bGridLines = false;
};
