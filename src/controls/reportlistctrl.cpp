#include "controls/reportlistctrl.h"

#include "platform/codepage.h"

#include <QHeaderView>
#include <QScopedValueRollback>
#include <algorithm>
#include <set>
#include <vector>

namespace {

constexpr int kItemDataRole = Qt::UserRole;
// The cell's text as the program's bytes, kept beside the shown text so
// that it comes back byte for byte.
constexpr int kBytesRole = Qt::UserRole + 1;

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

std::string ReportListCtrl::GetItemText(int row, int column) const {
    const QTreeWidgetItem* item = topLevelItem(row);
    if (!item)
        return {};
    const QVariant bytes = item->data(column, kBytesRole);
    if (bytes.isValid())
        return bytes.toByteArray().toStdString();
    return cp936::FromUnicode(item->text(column));
}

void ReportListCtrl::SetItemText(int row, int column, const std::string& text) {
    QTreeWidgetItem* item = topLevelItem(row);
    if (!item)
        return;
    item->setText(column, cp936::ToUnicode(text));
    item->setData(column, kBytesRole, QByteArray::fromStdString(text));
}

qint64 ReportListCtrl::GetItemData(int row) const {
    const QTreeWidgetItem* item = topLevelItem(row);
    return item ? item->data(0, kItemDataRole).toLongLong() : 0;
}

void ReportListCtrl::SetItemData(int row, qint64 data) {
    if (QTreeWidgetItem* item = topLevelItem(row))
        item->setData(0, kItemDataRole, data);
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

void ReportListCtrl::DeleteAllItems() {
    clear();
}

void ReportListCtrl::DeselectAll() {
    QItemSelectionModel* selection = selectionModel();
    for (int row = 0; row < topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = topLevelItem(row);
        if (!item->isSelected())
            continue;
        if (currentItem() == item)
            selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        item->setSelected(false);
    }
}

int ReportListCtrl::SelectItem(int row) {
    if (row < 0 || row >= topLevelItemCount())
        return -1;
    DeselectAll();
    QTreeWidgetItem* item = topLevelItem(row);
    selectionModel()->setCurrentIndex(indexFromItem(item), QItemSelectionModel::NoUpdate);
    item->setSelected(true);
    return row;
}

void ReportListCtrl::EnsureVisible(int row) {
    if (QTreeWidgetItem* item = topLevelItem(row))
        scrollToItem(item);
}

void ReportListCtrl::SortByData(const std::function<int(qint64, qint64)>& compare, int column,
                                bool ascending) {
    QScopedValueRollback quiet(m_bQuiet, true);
    QTreeWidgetItem* current = currentItem();
    std::vector<QTreeWidgetItem*> rows;
    std::vector<bool> selected;
    for (int row = 0; row < topLevelItemCount(); ++row) {
        rows.push_back(topLevelItem(row));
        selected.push_back(rows.back()->isSelected());
    }
    std::vector<size_t> order(rows.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    const auto data = [](const QTreeWidgetItem* item) { return item->data(0, kItemDataRole).toLongLong(); };
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        const int c = compare(data(rows[a]), data(rows[b]));
        return ascending ? c < 0 : c > 0;
    });
    while (topLevelItemCount() > 0)
        takeTopLevelItem(0);
    for (size_t i : order)
        addTopLevelItem(rows[i]);
    for (size_t i : order)
        rows[i]->setSelected(selected[i]);
    if (current)
        selectionModel()->setCurrentIndex(indexFromItem(current), QItemSelectionModel::NoUpdate);
    m_nSortColumn = column;
    if (m_bMarkSortedColumn)
        header()->setSortIndicator(column, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void ReportListCtrl::EnableMarkSortedColumn(bool mark) {
    m_bMarkSortedColumn = mark;
    header()->setSortIndicatorShown(mark);
    if (mark && m_nSortColumn >= 0)
        header()->setSortIndicator(m_nSortColumn, Qt::AscendingOrder);
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
