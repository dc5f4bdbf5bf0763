#pragma once
// Conversion between the program's 8-bit text (code page 936) and Unicode.
// Only widgets and file names need Unicode; the model, the files and the
// device frames keep the bytes.

#include <QString>
#include <string>
#include <string_view>

namespace cp936 {

// The codes of the user-defined areas (AAA1-AFFE, F8A1-FEFE, A140-A7A0)
// become private-use characters U+E000-U+E765, as on Windows, and back.

// Bytes that are not valid code page 936 become U+FFFD, one per bad byte.
QString ToUnicode(std::string_view bytes);

// Characters that code page 936 cannot hold become '?'.
std::string FromUnicode(const QString& text);

} // namespace cp936
