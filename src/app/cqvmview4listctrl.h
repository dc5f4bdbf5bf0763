#pragma once
// The Event List: the ordered events of the key action shown, one row per
// event text: column 0 "Num" (1-based), column 1 "Type" (the event's type
// name), column 2 "Data" (its one-line description). No item data.

#include "controls/reportlistctrl.h"
#include "model/keyrecord.h"

#include <functional>
#include <string>

class CQvmView4ListCtrl : public ReportListCtrl {
    Q_OBJECT
public:
    using KeyLookup = std::function<const KeyRecord*(int key)>;

    explicit CQvmView4ListCtrl(QWidget* parent = nullptr);
    void SetKeys(KeyLookup keys) { m_keys = std::move(keys); }

    // -1 for a key or slot outside 0-35 or 0-36 (nothing changes). Else the
    // rows are rebuilt from the key action's event texts: -1 with no rows
    // when it holds none or only the blank placeholder, 1 otherwise.
    int ShowEvents(int key, int slot);
    // Appends row "n + 1" with the type name and description.
    void AddEventItem(const std::string& type, const std::string& description);
    // Rewrites columns 1 and 2 of the first selected row; none: nothing.
    void SetSelectedEventItem(const std::string& type, const std::string& description);

    void CopyEvents(int key, int slot);
    // No text, or exactly one text that is blank.
    bool IsEmptyEventArray() const;

    // The event texts of the key action shown.
    CStringArray m_arrEvents;

private:
    // Column 0 of row `row`: its number counted from 1.
    static std::string EventNumber(int row);

    KeyLookup m_keys;
};
