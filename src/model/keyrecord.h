#pragma once
// The record of one key: its name and number caption, kind and colours, LED
// level, key group, repeat delay, timers, the key action being defined and
// the 37 key action slots of event texts. The key button of the panel
// derives from it; the upload and the project files use it without a widget.

#include "platform/carchive.h"

#include <array>
#include <string>
#include <vector>

constexpr int kKeyCount = 36;
constexpr int kSlotCount = 37;

// Key action slots.
enum KeySlot {
    kSlotPress = 0,
    kSlotRelease = 1,
    kSlotLong = 2,
    kSlotPageFirst = 3,    // 3 + 4 * class + number
    kSlotToggleFirst = 19, // 19 + state
    kSlotIoLowFirst = 23,  // 23 + line
    kSlotIoHighFirst = 27, // 27 + line
    kSlotTimeFirst = 31,   // 31 + timer
    kSlotStart = 35,
    kSlotVirtual = 36,
};

// Key kinds as the key panel sets them.
enum KeyType { kKeyNormal = 0, kKeyVirtual = 3, kKeySystem = 4 };

using CStringArray = std::vector<std::string>;

class KeyRecord {
public:
    KeyRecord() = default;
    virtual ~KeyRecord() = default;
    KeyRecord(const KeyRecord&) = default;
    KeyRecord& operator=(const KeyRecord&) = default;
    // A full project holds tens of thousands of event texts: records read
    // from a file move into place instead of being copied.
    KeyRecord(KeyRecord&&) = default;
    KeyRecord& operator=(KeyRecord&&) = default;

    // The slot of key action (kind, a, b), or -1 when they name none.
    static int GetKeyActionSlot(int kind, int a, int b);

    // Makes (kind, a, b) the key's current key action and returns its slot;
    // -1 leaves the key unchanged. A different kind empties every slot first;
    // a slot that was empty gets one empty text as its placeholder.
    int SetKeyAction(int kind, int a, int b);

    // Empties toggle slots 19 + a to 22 when the stored a is greater than a.
    void ClearToggleKeyActions(int a);
    void ClearAllKeyActions();

    // Replaces a blank last text, else appends; returns the text's index,
    // or -1 for a slot outside 0-36.
    int AddEvent(int slot, const std::string& text);
    void RemoveEvent(int slot, int i);
    bool MoveEventUp(int slot, int i);
    bool MoveEventDown(int slot, int i);
    // No text, or exactly one blank text.
    bool IsKeyActionEmpty(int slot) const;

    // Storing writes the record; loading reads a whole record into a
    // temporary and assigns it only when all of it was read, so a damaged
    // record throws CArchiveException and leaves the key as it was.
    void Serialize(CArchive& ar);

    // Whether the slot index is one of the 37.
    static bool IsValidSlot(int slot) { return slot >= 0 && slot < kSlotCount; }

    // Fields; the key action dialogs, lists and upload read them directly.
    std::string m_strName;
    std::string m_strCaption;
    int m_nLedLevel = 0;
    int m_nGroup = 0;
    // Tenths of a second. Kept in the record's one spare integer, which files
    // of the original program hold as 0.
    int m_nRepeatDelay = 0;
    int m_nKeyType = kKeyNormal;
    int m_nColorScheme = 0;
    std::array<int, 3> m_nTimer{0, 0, 0};
    int m_nParamA = 0;
    int m_nParamB = 0;
    std::array<CStringArray, kSlotCount> m_arrSlots;
    int m_nReserved2 = 0;
    int m_nKind = 0;

    bool operator==(const KeyRecord& other) const = default;
};
