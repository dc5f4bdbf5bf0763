#include "app/cqvmview4listctrl.h"

#include "model/cqvmeventstr.h"
#include "platform/textutil.h"

CQvmView4ListCtrl::CQvmView4ListCtrl(QWidget* parent) : ReportListCtrl(parent) {}

int CQvmView4ListCtrl::ShowEvents(int key, int slot) {
    if (key < 0 || key >= kKeyCount || !KeyRecord::IsValidSlot(slot))
        return -1;
    DeleteAllItems();
    CopyEvents(key, slot);
    if (IsEmptyEventArray())
        return -1;
    // The rows join the list in one step, numbered as AddEventItem numbers
    // them.
    std::vector<Row> rows;
    for (const std::string& text : m_arrEvents) {
        const CQvmEventStr event(text);
        rows.push_back(
            Row{{EventNumber(static_cast<int>(rows.size())), event.GetTypeName(), event.GetDescription()}});
    }
    AppendRows(rows);
    return 1;
}

std::string CQvmView4ListCtrl::EventNumber(int row) {
    return txt::Format("%d", row + 1);
}

void CQvmView4ListCtrl::AddEventItem(const std::string& type, const std::string& description) {
    const int row = AppendItem(EventNumber(GetItemCount()));
    SetItemText(row, 1, type);
    SetItemText(row, 2, description);
}

void CQvmView4ListCtrl::SetSelectedEventItem(const std::string& type, const std::string& description) {
    const int row = GetFirstSelectedItem();
    if (row < 0)
        return;
    SetItemText(row, 1, type);
    SetItemText(row, 2, description);
}

void CQvmView4ListCtrl::CopyEvents(int key, int slot) {
    const KeyRecord* k = m_keys && key >= 0 && key < kKeyCount ? m_keys(key) : nullptr;
    if (k && KeyRecord::IsValidSlot(slot))
        m_arrEvents = k->m_arrSlots[static_cast<size_t>(slot)];
    else
        m_arrEvents.clear();
}

bool CQvmView4ListCtrl::IsEmptyEventArray() const {
    return m_arrEvents.empty() || (m_arrEvents.size() == 1 && txt::IsBlank(m_arrEvents[0]));
}
