#include "model/keyrecord.h"

#include "platform/textutil.h"

#include <utility>

int KeyRecord::GetKeyActionSlot(int kind, int a, int b) {
    const auto in4 = [](int v) { return v >= 0 && v <= 3; };
    switch (kind) {
    case 1: // Press, Release, Long
        if (a < 0)
            return -1;
        return a >= 2 ? kSlotLong : a;
    case 2: // Page: class a + 1, number b + 1
        return in4(a) && in4(b) ? kSlotPageFirst + 4 * a + b : -1;
    case 3: // Toggle: state b + 1 of a toggle with a + 1 states
        return in4(a) && in4(b) ? kSlotToggleFirst + b : -1;
    case 4:
        return in4(a) ? kSlotIoLowFirst + a : -1;
    case 5:
        return in4(a) ? kSlotIoHighFirst + a : -1;
    case 6: // Time: b is the minutes, any value
        return in4(a) ? kSlotTimeFirst + a : -1;
    case 7:
        return kSlotStart;
    case 8:
        return kSlotVirtual;
    default:
        return -1;
    }
}

int KeyRecord::SetKeyAction(int kind, int a, int b) {
    const int slot = GetKeyActionSlot(kind, a, b);
    if (slot < 0)
        return -1;
    if (kind != m_nKind) {
        ClearAllKeyActions();
        m_arrSlots[slot].push_back(std::string());
    } else if (m_arrSlots[slot].empty()) {
        if (kind == 3)
            ClearToggleKeyActions(a);
        m_arrSlots[slot].push_back(std::string());
    }
    switch (kind) {
    case 1:
    case 4:
    case 5:
        m_nParamA = a;
        m_nParamB = 0;
        break;
    case 2:
    case 3:
        m_nParamA = a;
        m_nParamB = b;
        break;
    case 6:
        m_nParamA = a;
        // Timer 4 (a = 3) has no minutes of its own.
        if (a >= 0 && a < static_cast<int>(m_nTimer.size()))
            m_nTimer[static_cast<size_t>(a)] = b;
        break;
    default:
        m_nParamA = 0;
        m_nParamB = 0;
        break;
    }
    m_nKind = kind;
    return slot;
}

void KeyRecord::ClearToggleKeyActions(int a) {
    if (m_nParamA <= a || a < 0)
        return;
    for (int s = kSlotToggleFirst + a; s <= kSlotToggleFirst + 3; ++s)
        m_arrSlots[static_cast<size_t>(s)].clear();
}

void KeyRecord::ClearAllKeyActions() {
    for (auto& slot : m_arrSlots)
        slot.clear();
}

int KeyRecord::AddEvent(int slot, const std::string& text) {
    if (!IsValidSlot(slot))
        return -1;
    auto& arr = m_arrSlots[static_cast<size_t>(slot)];
    if (!arr.empty() && txt::IsBlank(arr.back())) {
        arr.back() = text;
        return static_cast<int>(arr.size()) - 1;
    }
    arr.push_back(text);
    return static_cast<int>(arr.size()) - 1;
}

void KeyRecord::RemoveEvent(int slot, int i) {
    if (!IsValidSlot(slot))
        return;
    auto& arr = m_arrSlots[static_cast<size_t>(slot)];
    if (i >= 0 && i < static_cast<int>(arr.size()))
        arr.erase(arr.begin() + i);
}

bool KeyRecord::MoveEventUp(int slot, int i) {
    if (!IsValidSlot(slot))
        return false;
    auto& arr = m_arrSlots[static_cast<size_t>(slot)];
    const int n = static_cast<int>(arr.size());
    if (n < 2 || i < 1 || i >= n)
        return false;
    std::swap(arr[static_cast<size_t>(i)], arr[static_cast<size_t>(i - 1)]);
    return true;
}

bool KeyRecord::MoveEventDown(int slot, int i) {
    if (!IsValidSlot(slot))
        return false;
    auto& arr = m_arrSlots[static_cast<size_t>(slot)];
    const int n = static_cast<int>(arr.size());
    if (n < 2 || i < 0 || i >= n - 1)
        return false;
    std::swap(arr[static_cast<size_t>(i)], arr[static_cast<size_t>(i + 1)]);
    return true;
}

bool KeyRecord::IsKeyActionEmpty(int slot) const {
    if (!IsValidSlot(slot))
        return true;
    const auto& arr = m_arrSlots[static_cast<size_t>(slot)];
    return arr.empty() || (arr.size() == 1 && txt::IsBlank(arr[0]));
}

// Archived layout: name, caption (strings); key type, colour scheme,
// timers 1-3, reserved, kind, LED level, group, a, b, repeat delay (32-bit
// integers); then the 37 slots as string arrays.
void KeyRecord::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteString(m_strName);
        ar.WriteString(m_strCaption);
        for (int v : {m_nKeyType, m_nColorScheme, m_nTimer[0], m_nTimer[1], m_nTimer[2], m_nReserved2,
                      m_nKind, m_nLedLevel, m_nGroup, m_nParamA, m_nParamB, m_nRepeatDelay})
            ar.WriteInt(v);
        for (const auto& slot : m_arrSlots)
            ar.WriteStringArray(slot);
        return;
    }
    KeyRecord r;
    r.m_strName = ar.ReadString();
    r.m_strCaption = ar.ReadString();
    for (int* v : {&r.m_nKeyType, &r.m_nColorScheme, &r.m_nTimer[0], &r.m_nTimer[1], &r.m_nTimer[2],
                   &r.m_nReserved2, &r.m_nKind, &r.m_nLedLevel, &r.m_nGroup, &r.m_nParamA, &r.m_nParamB,
                   &r.m_nRepeatDelay})
        *v = ar.ReadInt();
    for (auto& slot : r.m_arrSlots)
        slot = ar.ReadStringArray();
    *this = std::move(r);
}
