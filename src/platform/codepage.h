#pragma once
// Conversion between the program's 8-bit text (code page 936) and Unicode.
// Only widgets and file names need Unicode; the model, the files and the
// device frames keep the bytes.

#include <QString>
#include <string>
#include <string_view>

namespace cp936 {

// Every code reads and writes as on Windows. The codes of the user-defined
// areas (AAA1-AFFE, F8A1-FEFE, A140-A7A0) become the private-use characters
// U+E000-U+E765, the 255 codes that GBK leaves unassigned U+E766-U+E864 in
// code order, and the byte FF U+F8F5; each of them converts back.

// A malformed byte (a lead byte before a byte 00-3F, 7F or FF, or at the
// end) becomes one U+FFFD; the byte after it is read as itself.
QString ToUnicode(std::string_view bytes);

// Each character that code page 936 cannot hold becomes one '?': a
// surrogate pair, or a lone surrogate, alike.
std::string FromUnicode(const QString& text);

} // namespace cp936
