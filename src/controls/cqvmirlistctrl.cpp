#include "controls/cqvmirlistctrl.h"

#include "platform/textutil.h"

#include <QHeaderView>
#include <QStyledItemDelegate>

namespace {

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
        trail = !trail && txt::IsLeadByte(char(ca));
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

} // namespace

CQvmIrListCtrl::CQvmIrListCtrl(QWidget* parent) : ReportListCtrl(parent) {
    setColumnCount(3);
    header()->setStretchLastSection(true);
    setItemDelegate(new RowColorDelegate(this));
}

bool CQvmIrListCtrl::SelectItem(int row) {
    if (ReportListCtrl::SelectItem(row) < 0)
        return false;
    scrollToItem(topLevelItem(row));
    return true;
}

void CQvmIrListCtrl::AddItem(const std::string& name, const std::string& code) {
    DeselectAll();
    const int n = AppendItem(std::to_string(GetItemCount() + 1));
    SetItemData(n, n);
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
    // Equal names keep their order; selection and focus travel with the rows.
    SortRows([this](int a, int b) { return CompareRows(a, b, 1); }, 1);
    for (int row = 0; row < GetItemCount(); ++row) {
        SetItemText(row, 0, std::to_string(row + 1));
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

int CQvmIrListCtrl::CompareRows(int row1, int row2, int column) const {
    if (column != 1 || row1 < 0 || row2 < 0)
        return 0;
    return CompareNoCase(GetItemText(row1, 1), GetItemText(row2, 1));
}

int CQvmIrListCtrl::OnCompareItems(qint64 data1, qint64 data2, int column) const {
    return CompareRows(FindItemByData(data1), FindItemByData(data2), column);
}

QColor CQvmIrListCtrl::OnGetCellTextColor(int row, int column) const {
    if (!m_bColorMode)
        return palette().color(QPalette::Text);
    return row % 2 == 0 ? QColor(128, 37, 0) : QColor(0, 0, 0);
}

QColor CQvmIrListCtrl::OnGetCellBkColor(int row, int column) const {
    if (!m_bColorMode)
        return palette().color(QPalette::Base);
    if (IsMarkSortedColumn() && column == GetSortColumn())
        return row % 2 == 0 ? QColor(233, 221, 229) : QColor(176, 218, 234);
    return row % 2 == 0 ? QColor(253, 241, 249) : QColor(196, 238, 254);
}
