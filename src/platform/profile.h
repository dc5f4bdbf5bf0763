#pragma once
// A small reader and writer of initialisation files ("dvsetup.ini") with the
// rules of the Windows profile functions, so files written by either program
// read the same:
//   - section and key names match without regard to ASCII letter case, and
//     blanks around names and values are ignored;
//   - the first section of a name and the first key of a name in it count;
//   - a missing file, section or key (or an empty value) gives the default;
//   - integers read as an optional sign and the digits that follow, so "12ab"
//     is 12 and "ab" is 0;
//   - writing replaces the value in place, adds a missing key at the end of
//     its section and a missing section at the end of the file, and keeps
//     every other line byte for byte; a new file uses CR LF line ends.
// Text is handled as bytes.

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace profile {

// The value of `key` in `section` of the file content, or nothing.
std::optional<std::string> FindValue(std::string_view content, std::string_view section,
                                     std::string_view key);

// The file content with `key` in `section` set to `value`.
std::string SetValue(std::string_view content, std::string_view section, std::string_view key,
                     std::string_view value);

std::optional<std::string> ReadString(const QString& path, std::string_view section, std::string_view key);
int ReadInt(const QString& path, std::string_view section, std::string_view key, int defaultValue);

// Writes the value (creating the file and its folder when missing); false
// when the file could not be written.
bool WriteString(const QString& path, std::string_view section, std::string_view key, std::string_view value);
bool WriteInt(const QString& path, std::string_view section, std::string_view key, int value);

} // namespace profile
