#pragma once
// Whole-file reading and writing for the program's own files (projects and
// code libraries), which are always read and written whole.

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

} // namespace fileio
