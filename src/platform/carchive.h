#pragma once
// The archive encoding of project and library files: records call their own
// Serialize on an archive directly, so no class tag, schema or version is
// stored.
//
//   string        length prefix, then the bytes (no terminator):
//                 below 255: 1 byte; below 0xFFFE: 0xFF + 2 bytes;
//                 otherwise 0xFF, 0xFFFF + 4 bytes
//   string array  count (below 0xFFFF: 2 bytes; otherwise 0xFFFF + 4 bytes),
//                 then the strings
//   integers      32-bit little-endian
//
// A loading archive checks every length and count against the bytes that
// are left, so a damaged file never sizes an allocation; running short
// throws CArchiveException.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class CArchiveException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class CArchive {
public:
    enum Mode { store, load };

    // A storing archive that collects the bytes in memory.
    CArchive();
    // A loading archive over the given bytes (copied).
    explicit CArchive(std::string bytes);

    bool IsStoring() const { return m_mode == store; }
    bool IsLoading() const { return m_mode == load; }

    // Storing
    void WriteInt(int32_t v);
    void WriteUInt(uint32_t v);
    void WriteByte(uint8_t v);
    void WriteBytes(std::string_view bytes);
    void WriteString(std::string_view s);
    void WriteCount(size_t n);
    void WriteStringArray(const std::vector<std::string>& arr);

    // Loading; each throws CArchiveException when the input runs short or a
    // length field cannot be right.
    int32_t ReadInt();
    uint32_t ReadUInt();
    uint8_t ReadByte();
    std::string ReadBytes(size_t n);
    std::string ReadString();
    size_t ReadCount();
    std::vector<std::string> ReadStringArray();

    // Both directions, for Serialize functions that read and write the same
    // layout.
    void Int(int32_t& v) { IsStoring() ? WriteInt(v) : void(v = ReadInt()); }
    void String(std::string& s) { IsStoring() ? WriteString(s) : void(s = ReadString()); }
    void StringArray(std::vector<std::string>& a) {
        IsStoring() ? WriteStringArray(a) : void(a = ReadStringArray());
    }

    // What a storing archive has collected.
    const std::string& Bytes() const { return m_buf; }
    // Bytes not yet read by a loading archive.
    size_t Remaining() const { return m_buf.size() - m_pos; }
    bool AtEnd() const { return m_pos >= m_buf.size(); }

private:
    void Need(size_t n) const;

    Mode m_mode;
    std::string m_buf;
    size_t m_pos = 0;
};
