#pragma once
// Whole-file reading and writing for the program's own files (projects and
// code libraries), which are always read and written whole.

#include "platform/carchive.h"

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace fileio {

// The file's bytes, or nothing when it cannot be opened or read.
std::optional<std::string> ReadAll(const QString& path);

// Writes the bytes through a save file: an existing file stays whole until
// the new one is complete, so a failed write never leaves it cut short.
// False when the file cannot be created or written.
bool WriteAll(const QString& path, std::string_view bytes);

// Reads a whole file into a record through its Serialize. False when the
// file cannot be read; a short or damaged file throws CArchiveException.
template <typename T> bool LoadSerialized(T& record, const QString& path) {
    std::optional<std::string> bytes = ReadAll(path);
    if (!bytes)
        return false;
    CArchive ar(std::move(*bytes));
    record.Serialize(ar);
    return true;
}

// Writes a record through its Serialize with WriteAll.
template <typename T> bool SaveSerialized(T& record, const QString& path) {
    CArchive ar;
    record.Serialize(ar);
    return WriteAll(path, ar.Bytes());
}

} // namespace fileio
