#pragma once
// Conversion between the program's 8-bit text (code page 936) and Unicode.
// Only widgets and file names need Unicode; the model, the files and the
// device frames keep the bytes.

#include <QString>
#include <string>
#include <string_view>

namespace cp936 {

// Bytes that are not valid code page 936 become U+FFFD, one per bad byte.
QString ToUnicode(std::string_view bytes);

// Characters that code page 936 cannot hold become '?'.
std::string FromUnicode(const QString& text);

} // namespace cp936
