#include "model/projectfile.h"

#include "platform/fileio.h"

#include <utility>

std::string ProjectFile::Store() const {
    CArchive ar;
    for (int v : {m_nDeviceId, m_nPortMode, m_nSelKey, m_nSelSlot, m_nModel})
        ar.WriteInt(v);
    for (KeyRecord key : m_keys) // Serialize takes a non-const record
        key.Serialize(ar);
    return ar.Bytes();
}

ProjectFile ProjectFile::Load(std::string bytes) {
    CArchive ar(std::move(bytes));
    ProjectFile p;
    for (int* v : {&p.m_nDeviceId, &p.m_nPortMode, &p.m_nSelKey, &p.m_nSelSlot, &p.m_nModel})
        *v = ar.ReadInt();
    for (KeyRecord& key : p.m_keys)
        key.Serialize(ar);
    if (p.m_nSelKey < 0 || p.m_nSelKey >= kKeyCount)
        p.m_nSelKey = 0;
    if (!KeyRecord::IsValidSlot(p.m_nSelSlot))
        p.m_nSelSlot = 0;
    return p;
}

std::optional<ProjectFile> ProjectFile::Read(const QString& path) {
    std::optional<std::string> bytes = fileio::ReadAll(path);
    if (!bytes)
        return std::nullopt;
    try {
        return Load(std::move(*bytes));
    } catch (const CArchiveException&) {
        return std::nullopt;
    }
}

bool ProjectFile::Write(const QString& path) const {
    return fileio::WriteAll(path, Store());
}
