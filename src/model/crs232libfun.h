#pragma once
// One function of an RS232 code library: a named command with its serial
// settings (kept as the very texts of the editor's lists), data format, end
// character and up to 33 data bytes.
//
// Record layout (archive encoding): name, baud, data bits, stop bits and
// parity as five strings; format, end character and length as three 32-bit
// integers; then all 33 data bytes, one byte each.

#include "platform/carchive.h"

#include <array>
#include <cstdint>
#include <string>

constexpr int kRs232DataSize = 33;

class CRS232LibFun {
public:
    enum Format { kFormatAscii = 0, kFormatHex = 1 };
    enum EndChar { kEndNone = 0, kEndCr = 1, kEndCrLf = 2 };

    CRS232LibFun() = default;
    virtual ~CRS232LibFun() = default;
    CRS232LibFun(const CRS232LibFun&) = default;
    CRS232LibFun& operator=(const CRS232LibFun&) = default;

    // Storing writes the record; loading reads it into a temporary first, so
    // a short record throws CArchiveException and leaves this one unchanged.
    void Serialize(CArchive& ar);

    // The data as the editors and the RS232 page show it. Hex: the first
    // m_nLength bytes as "%02x" separated by single blanks. ASCII: the data
    // up to its first 0 byte, cut to m_nLength less the end bytes. Never
    // reads past the 33 data bytes, whatever m_nLength a file holds.
    std::string GetDataText() const;

    std::string m_strName;
    std::string m_strBaud;
    std::string m_strDataBits;
    std::string m_strStopBits;
    std::string m_strParity;
    int m_nFormat = kFormatAscii;
    int m_nEndChar = kEndNone;
    int m_nLength = 0; // valid data bytes, end bytes included
    std::array<uint8_t, kRs232DataSize> m_data{};

    bool operator==(const CRS232LibFun&) const = default;
};
