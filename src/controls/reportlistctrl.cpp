#include "controls/reportlistctrl.h"

#include "controls/bandedstyle.h"
#include "controls/showntext.h"
#include "platform/codepage.h"

#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <algorithm>
#include <set>
#include <vector>

namespace {

constexpr int kItemDataRole = Qt::UserRole;
// How much darker the cells of a marked sorted column are drawn.
constexpr int kMarkedColumnDarkerPercent = 106;

} // namespace

ReportListCtrl::ReportListCtrl(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(0);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true); // full-row select
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSortingEnabled(false);
    header()->setSectionsClickable(false);
    header()->setStretchLastSection(false);
    header()->setStyle(BandedStyle::Shared());
    horizontalScrollBar()->setStyle(BandedStyle::Shared());
    verticalScrollBar()->setStyle(BandedStyle::Shared());
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected, const QItemSelection&) { OnSelectionChanged(selected); });
}

void ReportListCtrl::InsertColumn(int column, const std::string& heading, int width) {
    QTreeWidgetItem* head = headerItem();
    if (columnCount() <= column)
        setColumnCount(column + 1);
    head->setText(column, cp936::ToUnicode(heading));
    head->setTextAlignment(column, Qt::AlignLeft | Qt::AlignVCenter);
    setColumnWidth(column, width);
    UpdateHeaderSizeHints();
}

void ReportListCtrl::UpdateHeaderSizeHints() {
    // Each section's size is given as the style measures it in the header's
    // own font. Left to itself the header measures in the bold face, so that
    // a highlighted section would still fit; these headers never highlight a
    // section, and loading the bold face only to measure took a noticeable
    // part of the program's start.
    QHeaderView* head = header();
    QTreeWidgetItem* item = headerItem();
    for (int column = 0; column < columnCount(); ++column) {
        QStyleOptionHeader option;
        option.initFrom(head);
        option.orientation = Qt::Horizontal;
        option.section = column;
        option.text = item->text(column);
        option.textAlignment = Qt::Alignment(item->textAlignment(column));
        if (head->isSortIndicatorShown())
            option.sortIndicator = QStyleOptionHeader::SortDown;
        item->setData(column, Qt::SizeHintRole,
                      head->style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), head));
    }
}

void ReportListCtrl::changeEvent(QEvent* event) {
    QTreeWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        UpdateHeaderSizeHints();
}

int ReportListCtrl::GetItemCount() const {
    return topLevelItemCount();
}

int ReportListCtrl::AppendItem(const std::string& text) {
    const int row = topLevelItemCount();
    addTopLevelItem(new QTreeWidgetItem());
    SetItemText(row, 0, text);
    return row;
}

void ReportListCtrl::AppendRows(const std::vector<Row>& rows) {
    if (rows.empty())
        return;
    // The items are filled before they join the list, so the list hears of
    // them once instead of once per cell.
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    for (const Row& row : rows) {
        auto* item = new QTreeWidgetItem();
        for (size_t column = 0; column < row.texts.size(); ++column)
            shown::SetCellText(item, static_cast<int>(column), row.texts[column]);
        item->setData(0, kItemDataRole, row.data);
        items.append(item);
    }
    addTopLevelItems(items);
}

std::string ReportListCtrl::GetItemText(int row, int column) const {
    const QTreeWidgetItem* item = topLevelItem(row);
    if (!item)
        return {};
    return shown::CellText(item, column);
}

void ReportListCtrl::SetItemText(int row, int column, const std::string& text) {
    QTreeWidgetItem* item = topLevelItem(row);
    if (!item)
        return;
    shown::SetCellText(item, column, text);
}

qint64 ReportListCtrl::GetItemData(int row) const {
    const QTreeWidgetItem* item = topLevelItem(row);
    return item ? item->data(0, kItemDataRole).toLongLong() : 0;
}

void ReportListCtrl::SetItemData(int row, qint64 data) {
    if (QTreeWidgetItem* item = topLevelItem(row))
        item->setData(0, kItemDataRole, data);
}

int ReportListCtrl::FindItemByData(qint64 data) const {
    for (int row = 0; row < topLevelItemCount(); ++row) {
        if (GetItemData(row) == data)
            return row;
    }
    return -1;
}

bool ReportListCtrl::IsItemSelected(int row) const {
    const QTreeWidgetItem* item = topLevelItem(row);
    return item && item->isSelected();
}

int ReportListCtrl::GetFirstSelectedItem() const {
    for (int row = 0; row < topLevelItemCount(); ++row) {
        if (topLevelItem(row)->isSelected())
            return row;
    }
    return -1;
}

bool ReportListCtrl::DeleteItem(int row) {
    if (row < 0 || row >= topLevelItemCount())
        return false;
    delete takeTopLevelItem(row);
    return true;
}

void ReportListCtrl::DeleteItems(const std::function<bool(int row)>& match) {
    int row = topLevelItemCount() - 1;
    while (row >= 0) {
        if (!match(row)) {
            --row;
            continue;
        }
        int first = row;
        while (first > 0 && match(first - 1))
            --first;
        model()->removeRows(first, row - first + 1);
        // The row above the run, if any, has been asked already and stays.
        row = first - 2;
    }
}

void ReportListCtrl::DeleteAllItems() {
    clear();
}

void ReportListCtrl::DeselectAll(QTreeWidget* list) {
    if (!list)
        return;
    // Only the selected rows are visited, in row order: a list that grows
    // row by row, each added after a DeselectAll, stays linear.
    QItemSelectionModel* selection = list->selectionModel();
    if (!selection->hasSelection())
        return;
    std::set<int> rows;
    for (const QModelIndex& index : selection->selectedIndexes()) {
        if (!index.parent().isValid())
            rows.insert(index.row());
    }
    for (int row : rows) {
        QTreeWidgetItem* item = list->topLevelItem(row);
        if (!item->isSelected())
            continue;
        if (list->currentItem() == item)
            selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        item->setSelected(false);
    }
}

bool ReportListCtrl::SelectItem(QTreeWidget* list, int row) {
    if (!list || row < 0 || row >= list->topLevelItemCount())
        return false;
    DeselectAll(list);
    // Focus first, so that whoever hears of the selection finds the row
    // current too.
    QTreeWidgetItem* item = list->topLevelItem(row);
    list->selectionModel()->setCurrentIndex(list->indexFromItem(item), QItemSelectionModel::NoUpdate);
    item->setSelected(true);
    return true;
}

void ReportListCtrl::EnsureVisible(int row) {
    if (QTreeWidgetItem* item = topLevelItem(row))
        scrollToItem(item);
}

void ReportListCtrl::SortRows(const std::function<int(int, int)>& compareRows, int column, bool ascending) {
    QScopedValueRollback quiet(m_bQuiet, true);
    QTreeWidgetItem* current = currentItem();
    const int count = topLevelItemCount();
    std::vector<int> order(static_cast<size_t>(count));
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const int c = compareRows(a, b);
        return ascending ? c < 0 : c > 0;
    });
    bool moved = false;
    for (int i = 0; i < count && !moved; ++i)
        moved = order[static_cast<size_t>(i)] != i;
    if (moved) {
        // All rows leave the list and come back in their new order, each
        // in one step; the selected ones are selected again.
        std::vector<QTreeWidgetItem*> selected;
        for (const QModelIndex& index : selectionModel()->selectedIndexes()) {
            QTreeWidgetItem* item = itemFromIndex(index);
            if (index.column() == 0 && !index.parent().isValid() && item->isSelected())
                selected.push_back(item);
        }
        const QList<QTreeWidgetItem*> rows = invisibleRootItem()->takeChildren();
        QList<QTreeWidgetItem*> sorted;
        sorted.reserve(rows.size());
        for (int i : order)
            sorted.append(rows[i]);
        addTopLevelItems(sorted);
        for (QTreeWidgetItem* item : selected)
            item->setSelected(true);
    }
    if (current)
        selectionModel()->setCurrentIndex(indexFromItem(current), QItemSelectionModel::NoUpdate);
    m_nSortColumn = column;
    m_bSortAscending = ascending;
    if (m_bMarkSortedColumn)
        header()->setSortIndicator(column, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
    viewport()->update();
}

void ReportListCtrl::EnableMarkSortedColumn(bool mark) {
    m_bMarkSortedColumn = mark;
    header()->setSortIndicatorShown(mark);
    UpdateHeaderSizeHints();
    if (mark && m_nSortColumn >= 0)
        header()->setSortIndicator(m_nSortColumn, Qt::AscendingOrder);
    viewport()->update();
}

void ReportListCtrl::SetGridLines(bool on) {
    m_bGridLines = on;
    viewport()->update();
}

void ReportListCtrl::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    // The sorted column's cells stand out in a slightly darker background;
    // a selected row paints its highlight over it.
    if (m_bMarkSortedColumn && m_nSortColumn >= 0 && m_nSortColumn < columnCount()) {
        const QRect cell(columnViewportPosition(m_nSortColumn), option.rect.top(), columnWidth(m_nSortColumn),
                         option.rect.height());
        painter->fillRect(cell, palette().color(QPalette::Base).darker(kMarkedColumnDarkerPercent));
    }
    QTreeWidget::drawRow(painter, option, index);
    if (!m_bGridLines)
        return;
    painter->save();
    painter->setPen(palette().color(QPalette::Midlight));
    const QRect r = option.rect;
    painter->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    for (int column = 0; column < columnCount(); ++column) {
        const int x = columnViewportPosition(column) + columnWidth(column) - 1;
        painter->drawLine(x, r.top(), x, r.bottom());
    }
    painter->restore();
}

void ReportListCtrl::OnSelectionChanged(const QItemSelection& selected) {
    if (m_bQuiet)
        return;
    std::set<int> rows;
    for (const QModelIndex& index : selected.indexes()) {
        if (!index.parent().isValid())
            rows.insert(index.row());
    }
    for (int row : rows)
        emit ItemSelected(row);
}
