#include "platform/carchive.h"

CArchive::CArchive() : m_mode(store) {}

CArchive::CArchive(std::string bytes) : m_mode(load), m_buf(std::move(bytes)) {}

void CArchive::WriteUInt(uint32_t v) {
    for (int i = 0; i < 4; ++i)
        m_buf.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void CArchive::WriteInt(int32_t v) { WriteUInt(static_cast<uint32_t>(v)); }

void CArchive::WriteByte(uint8_t v) { m_buf.push_back(static_cast<char>(v)); }

void CArchive::WriteBytes(std::string_view bytes) { m_buf.append(bytes); }

static void WriteWord(std::string& buf, uint16_t v) {
    buf.push_back(static_cast<char>(v & 0xFF));
    buf.push_back(static_cast<char>(v >> 8));
}

void CArchive::WriteString(std::string_view s) {
    const size_t n = s.size();
    if (n < 0xFF) {
        WriteByte(static_cast<uint8_t>(n));
    } else if (n < 0xFFFE) {
        WriteByte(0xFF);
        WriteWord(m_buf, static_cast<uint16_t>(n));
    } else {
        WriteByte(0xFF);
        WriteWord(m_buf, 0xFFFF);
        WriteUInt(static_cast<uint32_t>(n));
    }
    WriteBytes(s);
}

void CArchive::WriteCount(size_t n) {
    if (n < 0xFFFF) {
        WriteWord(m_buf, static_cast<uint16_t>(n));
    } else {
        WriteWord(m_buf, 0xFFFF);
        WriteUInt(static_cast<uint32_t>(n));
    }
}

void CArchive::WriteStringArray(const std::vector<std::string>& arr) {
    WriteCount(arr.size());
    for (const auto& s : arr)
        WriteString(s);
}

void CArchive::Need(size_t n) const {
    if (m_mode != load)
        throw CArchiveException("archive is not loading");
    if (n > Remaining())
        throw CArchiveException("unexpected end of file");
}

uint8_t CArchive::ReadByte() {
    Need(1);
    return static_cast<uint8_t>(m_buf[m_pos++]);
}

static uint16_t ReadWordFrom(CArchive& ar) {
    const uint16_t lo = ar.ReadByte();
    const uint16_t hi = ar.ReadByte();
    return static_cast<uint16_t>(lo | (hi << 8));
}

uint32_t CArchive::ReadUInt() {
    Need(4);
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= static_cast<uint32_t>(static_cast<uint8_t>(m_buf[m_pos + i])) << (8 * i);
    m_pos += 4;
    return v;
}

int32_t CArchive::ReadInt() { return static_cast<int32_t>(ReadUInt()); }

std::string CArchive::ReadBytes(size_t n) {
    Need(n);
    std::string out = m_buf.substr(m_pos, n);
    m_pos += n;
    return out;
}

std::string CArchive::ReadString() {
    size_t n = ReadByte();
    if (n == 0xFF) {
        const uint16_t w = ReadWordFrom(*this);
        if (w == 0xFFFE) // marks a wide-character string, which these files never hold
            throw CArchiveException("unexpected wide string");
        if (w == 0xFFFF)
            n = ReadUInt();
        else
            n = w;
    }
    return ReadBytes(n);
}

size_t CArchive::ReadCount() {
    size_t n = ReadWordFrom(*this);
    if (n == 0xFFFF)
        n = ReadUInt();
    return n;
}

std::vector<std::string> CArchive::ReadStringArray() {
    const size_t n = ReadCount();
    // Every string takes at least its one-byte length prefix.
    if (n > Remaining())
        throw CArchiveException("string count exceeds the file");
    std::vector<std::string> arr;
    arr.reserve(n);
    for (size_t i = 0; i < n; ++i)
        arr.push_back(ReadString());
    return arr;
}
