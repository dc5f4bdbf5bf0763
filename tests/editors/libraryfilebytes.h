#pragma once
// Library files written out byte by byte, as tests expect them.

#include <string>
#include <vector>

// One function record: name, baud, data bits, stop bits and parity as
// strings with a one-byte length (all below 255 here); format, end
// character and length as 32-bit little-endian integers (all below 128
// here); the 33 data bytes, zero after `data`.
inline std::string Rs232Record(const std::string& name, const std::string& baud, const std::string& dataBits,
                               const std::string& stopBits, const std::string& parity, char format,
                               char endChar, char length, const std::string& data) {
    std::string r;
    for (const std::string* s : {&name, &baud, &dataBits, &stopBits, &parity})
        r += char(s->size()) + *s;
    r += std::string{format, 0, 0, 0, endChar, 0, 0, 0, length, 0, 0, 0};
    return r + data + std::string(33 - data.size(), '\0');
}

// A library file: the name, the function count as a 32-bit integer and the
// records.
inline std::string Rs232Library(const std::string& name, char count, const std::string& records) {
    return char(name.size()) + name + std::string{count, 0, 0, 0} + records;
}

// An .irr file: the name and each entry with a one-byte length (all below
// 255 here), the count as two bytes.
inline std::string IrrBytes(const std::string& name, const std::vector<std::string>& entries) {
    std::string bytes(1, char(name.size()));
    bytes += name;
    bytes += char(entries.size());
    bytes += '\0';
    for (const std::string& entry : entries) {
        bytes += char(entry.size());
        bytes += entry;
    }
    return bytes;
}
