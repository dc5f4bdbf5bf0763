#include "controls/cqvmirlistctrl.h"

#include "platform/codepage.h"
#include "platform/textutil.h"

#include <QHeaderView>
#include <QStyledItemDelegate>
#include <algorithm>
#include <vector>

namespace {

constexpr int kItemDataRole = Qt::UserRole;
// The cell's text as the program's bytes, kept beside the shown text so
// that names and codes come back byte for byte.
constexpr int kBytesRole = Qt::UserRole + 1;
constexpr long kMaxCodeChars = 198;

// Paints each cell in the colours the list asks for.
class RowColorDelegate : public QStyledItemDelegate {
public:
    explicit RowColorDelegate(CQvmIrListCtrl* list) : QStyledItemDelegate(list), m_list(list) {}

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (!m_list->m_bColorMode || index.parent().isValid())
            return;
        option->palette.setColor(QPalette::Text, m_list->OnGetCellTextColor(index.row(), index.column()));
        option->backgroundBrush = m_list->OnGetCellBkColor(index.row(), index.column());
    }

private:
    CQvmIrListCtrl* m_list;
};

// Case-insensitive comparison of code page 936 text: single-byte letters
// are folded to lower case, the bytes of a double-byte character are
// compared as they are (a trail byte may look like an ASCII letter).
int CompareNoCase(const std::string& a, const std::string& b) {
    size_t i = 0;
    bool trail = false;
    for (; i < a.size() && i < b.size(); ++i) {
        unsigned char ca = static_cast<unsigned char>(a[i]);
        unsigned char cb = static_cast<unsigned char>(b[i]);
        if (!trail) {
            if (ca >= 'A' && ca <= 'Z')
                ca = static_cast<unsigned char>(ca - 'A' + 'a');
            if (cb >= 'A' && cb <= 'Z')
                cb = static_cast<unsigned char>(cb - 'A' + 'a');
        }
        if (ca != cb)
            return ca < cb ? -1 : 1;
        trail = !trail && ca >= 0x81 && ca <= 0xFE;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

} // namespace

CQvmIrListCtrl::CQvmIrListCtrl(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(3);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSortingEnabled(false);
    header()->setSectionsClickable(false);
    header()->setStretchLastSection(true);
    setItemDelegate(new RowColorDelegate(this));
}

void CQvmIrListCtrl::DeselectAll(QTreeWidget* list) {
    if (!list)
        return;
    QItemSelectionModel* selection = list->selectionModel();
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = list->topLevelItem(row);
        if (!item->isSelected())
            continue;
        if (list->currentItem() == item)
            selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        item->setSelected(false);
    }
}

bool CQvmIrListCtrl::SelectItem(QTreeWidget* list, int row) {
    if (!list || row < 0 || row >= list->topLevelItemCount())
        return false;
    DeselectAll(list);
    QTreeWidgetItem* item = list->topLevelItem(row);
    item->setSelected(true);
    list->selectionModel()->setCurrentIndex(list->indexFromItem(item), QItemSelectionModel::NoUpdate);
    list->scrollToItem(item);
    return true;
}

void CQvmIrListCtrl::DeselectAll() {
    DeselectAll(this);
}

bool CQvmIrListCtrl::SelectItem(int row) {
    return SelectItem(this, row);
}

void CQvmIrListCtrl::AddItem(const std::string& name, const std::string& code) {
    DeselectAll();
    const int n = topLevelItemCount();
    auto* item = new QTreeWidgetItem(this);
    item->setText(0, QString::number(n + 1));
    item->setData(0, kItemDataRole, static_cast<qint64>(n));
    SetItemText(n, 1, name);
    SetItemText(n, 2, code);
    SelectItem(n);
}

void CQvmIrListCtrl::LoadFromArray(const CStringArray& lines) {
    DeleteAllItems();
    for (const std::string& line : lines)
        AddItem(GetNamePart(line), GetCodePart(line));
}

void CQvmIrListCtrl::SortAndRenumber() {
    // Take the rows out, sort them (equal names keep their order) and put
    // them back; selection and focus travel with the rows.
    QTreeWidgetItem* current = currentItem();
    std::vector<QTreeWidgetItem*> rows;
    std::vector<bool> selected;
    for (int row = 0; row < topLevelItemCount(); ++row)
        rows.push_back(topLevelItem(row));
    for (QTreeWidgetItem* item : rows)
        selected.push_back(item->isSelected());
    std::vector<size_t> order(rows.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return CompareRows(rows[a], rows[b], 1) < 0; });
    while (topLevelItemCount() > 0)
        takeTopLevelItem(0);
    for (size_t i : order)
        addTopLevelItem(rows[i]);
    for (size_t i : order)
        rows[i]->setSelected(selected[i]);
    if (current)
        selectionModel()->setCurrentIndex(indexFromItem(current), QItemSelectionModel::NoUpdate);
    m_nSortColumn = 1;
    for (int row = 0; row < topLevelItemCount(); ++row) {
        topLevelItem(row)->setText(0, QString::number(row + 1));
        SetItemData(row, row);
    }
}

std::string CQvmIrListCtrl::GetItemLine(int row) const {
    if (row < 0 || row >= GetItemCount())
        return {};
    return GetItemText(row, 1) + " : " + GetItemText(row, 2);
}

std::string CQvmIrListCtrl::GetNamePart(const std::string& line) {
    const size_t colon = line.find(':');
    if (line.empty() || colon == std::string::npos || colon == 0)
        return {};
    return txt::Trim(std::string_view(line).substr(0, colon));
}

std::string CQvmIrListCtrl::GetCodePart(const std::string& line) {
    const size_t colon = line.find(':');
    if (line.empty() || colon == std::string::npos || colon == 0)
        return {};
    return txt::Left(txt::TrimLeft(std::string_view(line).substr(colon + 1)), kMaxCodeChars);
}

int CQvmIrListCtrl::CompareRows(const QTreeWidgetItem* first, const QTreeWidgetItem* second,
                                int column) const {
    if (column != 1 || !first || !second)
        return 0;
    return CompareNoCase(first->data(1, kBytesRole).toByteArray().toStdString(),
                         second->data(1, kBytesRole).toByteArray().toStdString());
}

int CQvmIrListCtrl::OnCompareItems(qint64 data1, qint64 data2, int column) const {
    const QTreeWidgetItem* first = nullptr;
    const QTreeWidgetItem* second = nullptr;
    for (int row = 0; row < topLevelItemCount(); ++row) {
        const qint64 data = GetItemData(row);
        if (!first && data == data1)
            first = topLevelItem(row);
        if (!second && data == data2)
            second = topLevelItem(row);
    }
    return CompareRows(first, second, column);
}

QColor CQvmIrListCtrl::OnGetCellTextColor(int row, int column) const {
    if (!m_bColorMode)
        return palette().color(QPalette::Text);
    return row % 2 == 0 ? QColor(128, 37, 0) : QColor(0, 0, 0);
}

QColor CQvmIrListCtrl::OnGetCellBkColor(int row, int column) const {
    if (!m_bColorMode)
        return palette().color(QPalette::Base);
    if (m_bMarkSortedColumn && column == m_nSortColumn)
        return row % 2 == 0 ? QColor(233, 221, 229) : QColor(176, 218, 234);
    return row % 2 == 0 ? QColor(253, 241, 249) : QColor(196, 238, 254);
}

int CQvmIrListCtrl::GetItemCount() const {
    return topLevelItemCount();
}

std::string CQvmIrListCtrl::GetItemText(int row, int column) const {
    const QTreeWidgetItem* item = topLevelItem(row);
    if (!item)
        return {};
    const QVariant bytes = item->data(column, kBytesRole);
    if (bytes.isValid())
        return bytes.toByteArray().toStdString();
    return cp936::FromUnicode(item->text(column));
}

void CQvmIrListCtrl::SetItemText(int row, int column, const std::string& text) {
    QTreeWidgetItem* item = topLevelItem(row);
    if (!item)
        return;
    item->setText(column, cp936::ToUnicode(text));
    item->setData(column, kBytesRole, QByteArray::fromStdString(text));
}

qint64 CQvmIrListCtrl::GetItemData(int row) const {
    const QTreeWidgetItem* item = topLevelItem(row);
    return item ? item->data(0, kItemDataRole).toLongLong() : 0;
}

void CQvmIrListCtrl::SetItemData(int row, qint64 data) {
    if (QTreeWidgetItem* item = topLevelItem(row))
        item->setData(0, kItemDataRole, data);
}

bool CQvmIrListCtrl::IsItemSelected(int row) const {
    const QTreeWidgetItem* item = topLevelItem(row);
    return item && item->isSelected();
}

int CQvmIrListCtrl::GetFirstSelectedItem() const {
    for (int row = 0; row < topLevelItemCount(); ++row) {
        if (topLevelItem(row)->isSelected())
            return row;
    }
    return -1;
}

bool CQvmIrListCtrl::DeleteItem(int row) {
    if (row < 0 || row >= topLevelItemCount())
        return false;
    delete takeTopLevelItem(row);
    return true;
}

void CQvmIrListCtrl::DeleteAllItems() {
    clear();
}

void CQvmIrListCtrl::EnableMarkSortedColumn(bool mark) {
    m_bMarkSortedColumn = mark;
    viewport()->update();
}
