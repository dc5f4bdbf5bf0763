#pragma once
// What an upload sends, worked out from a snapshot of the keys, the device
// model, the port mode and the device ID. No widget and no link: the upload
// worker asks it for the frames and sends them; tests read them directly.
//
// Order of the frames:
//   SYSI  device ID ("%02d"), not for model 2
//   UAIR  port mode ("%01d")
//   KYNA  key name fitted to 4 bytes, keys 1 to 32
//   LIPR  LED level, for the counted keys (keys 1-8 of models 0 and 1,
//         keys 1-19 of model 2, none for another model)
//   KYSG  key mask, for every key group 1-32 a counted key uses, ascending
//   then one key action frame per key (1-36) and non-empty slot (0-36).
//
// Key action frame:
//   0-2 "QVM", 3-6 length, 7-8 code, 9-12 word, 13-16 header,
//   17-18 "%02d" number of event texts in the slot (blank ones too),
//   then for every non-blank text: "%02d" its position in the slot counted
//   from 1, and its encoded event; then checksum and "ENND".
// The header per slot: PRES key number and the repeat delay in two
// characters, RELS/VIRT key number "00", LONG key number "-0", PAGE/TOGL key
// number, class or state count + 1 and page or state + 1, IOHL/IOLH line
// "000", TOUT timer + 1 and its minutes "%03d" (slot 34 sends the first of
// the key's three timer values), STUP "0000".

#include "model/keyrecord.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// A key action frame holds at most this many bytes before its checksum; with
// the checksum and "ENND" it stays within the link's 2046-byte write.
constexpr int kMaxKeyActionFrameBytes = 2038;
// Scratch room for one encoded event (the largest takes 117 bytes).
constexpr int kEventScratchSize = 160;

class UploadPlan {
public:
    using Keys = std::array<KeyRecord, kKeyCount>;

    UploadPlan(const Keys& keys, int model, int portMode, int deviceId);

    // Keys whose LED level and key group are sent: 8 for models 0 and 1, 19
    // for model 2, none for any other model.
    static int CountedKeys(int model);
    // The frame code of a key action slot (40-53), 0 for no slot.
    static int SlotCode(int slot);

    // Bit g - 1 for every key group g (1 to 32) that a counted key uses.
    uint32_t GroupMask() const;
    // The progress bar's upper bound: the Action List's rows, 6 steps for the
    // start and the clear, one per fixed frame (SYSI, UAIR, 32 KYNA, the
    // LIPR frames) and one per key group in use.
    int ProgressRange(int actionListRows) const;

    // SYSI, UAIR, KYNA, LIPR and KYSG frames in sending order, each from
    // "QVM" through "ENND".
    std::vector<std::string> SetupFrames() const;

    // No event text, or a single blank one: nothing is sent for the slot.
    bool IsKeyActionEmpty(int key, int slot) const;

    struct KeyActionFrame {
        std::string bytes; // "QVM" through "ENND"
        // Events that did not fit were left out: the worker tells the user.
        bool eventsDropped = false;
    };
    // The frame of one key action. Events are encoded on the calling thread;
    // the encoder's own messages (a too long IR code, a damaged text) go
    // through the prompter. An event is taken only while the frame then
    // stays within kMaxKeyActionFrameBytes; the first one that does not fit
    // ends the slot's events, and neither it nor its position number is
    // written.
    KeyActionFrame BuildKeyActionFrame(int key, int slot) const;

    int Model() const { return m_nModel; }

private:
    Keys m_keys;
    int m_nModel;
    int m_nPortMode;
    int m_nDeviceId;
};
