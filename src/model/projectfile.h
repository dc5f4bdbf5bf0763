#pragma once
// A project file (".dvp"): five 32-bit little-endian integers, then the 36
// key records exactly as KeyRecord::Serialize writes them. No magic number,
// version or class tag; nothing follows the last key record.
//
//   offset 0   device ID (index of the device-ID box, 0 = "--")
//          4   port mode 0-3
//          8   selected key 0-35
//         12   selected slot 0-36
//         16   device model 0-2
//         20   key records 0 to 35
//
// A file is decoded whole into a ProjectFile before anything else looks at
// it, so a short or damaged file is refused as a whole.

#include "model/keyrecord.h"

#include <QString>
#include <array>
#include <optional>
#include <string>

class ProjectFile {
public:
    // The file's bytes.
    std::string Store() const;

    // Decodes a whole file; throws CArchiveException when it is short or a
    // key record is damaged. A selected key or slot outside 0-35 or 0-36 is
    // taken as 0, so no caller indexes a key or slot outside its range.
    // Other header values are kept as stored: a device ID or port mode with
    // no entry in its box, or a model without a panel, is the window's to
    // handle.
    static ProjectFile Load(std::string bytes);

    // Reads and decodes the file; nothing when it cannot be read or is
    // damaged.
    static std::optional<ProjectFile> Read(const QString& path);
    // Writes the file whole; false when it cannot be written, in which case
    // an existing file is left as it was.
    bool Write(const QString& path) const;

    int m_nDeviceId = 0;
    int m_nPortMode = 0;
    int m_nSelKey = 0;
    int m_nSelSlot = 0;
    int m_nModel = 0;
    std::array<KeyRecord, kKeyCount> m_keys;
};
