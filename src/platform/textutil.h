#pragma once
// Helpers for the program's 8-bit text (code page 936 bytes held in
// std::string). Every length, cut and search counts bytes.
//
// Text is stepped character by character as the code page does: a lead
// byte takes the byte after it as its second byte, whatever that is. In
// well-formed text the second byte is never below 0x40, so searching for a
// colon or a digit byte by byte finds the same places.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace txt {

// Blank, tab, line feed, vertical tab, form feed, carriage return.
bool IsSpace(char c);

// White space removed, stepping character by character: a blank that
// follows a lead byte is that character's second byte and stays.
std::string Trim(std::string_view s);
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);

// True when nothing but white space is left after trimming.
bool IsBlank(std::string_view s);

// Safe cuts: positions and counts outside the text are clamped.
std::string Left(std::string_view s, long n);
std::string Mid(std::string_view s, long pos, long n = -1);

// Whether a byte of code page 936 text begins a double-byte character.
inline bool IsLeadByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x81 && byte <= 0xFE;
}

// The number of bytes of the character at `pos` (below s.size()): 2 for a
// lead byte with a byte after it, else 1.
inline size_t CharWidth(std::string_view s, size_t pos) {
    return IsLeadByte(s[pos]) && pos + 1 < s.size() ? 2 : 1;
}

// How many bytes of s, at most maxBytes, end after a whole character: a
// double-byte character is kept whole or left out.
size_t WholeCharLength(std::string_view s, size_t maxBytes);

// printf-style formatting into a std::string.
std::string Format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// A text made of names and numbers, printf-style, where each %s takes the
// whole of its text: a zero byte and what follows it go in too. A number
// takes %d, with the flag 0 and a width as Format takes them.
using Field = std::variant<long, std::string_view>;
std::string Compose(std::string_view fmt, std::initializer_list<Field> fields);

// The C integer conversion: leading white space, an optional sign, then
// digits up to the first non-digit; no digits reads as 0. Saturates instead
// of overflowing.
long ToInt(std::string_view s);

// A number printed zero-padded to at least `width` digits ("%0<width>d"),
// cut to its first `width` characters: 123 in a two-character group gives
// "12", -5 gives "-5", 7 gives "07".
std::string DigitGroup(long value, int width);

// Writes DigitGroup(value, width) at p (exactly `width` bytes).
void PutDigitGroup(char* p, long value, int width);

// Hex value of one character, or -1.
int HexDigitValue(char c);

// Two characters read as a hexadecimal number the way the C conversion
// reads them: a first character that is no hex digit gives 0, a second that
// is none gives the value of the first.
int HexPairValue(char first, char second);

// Lower-case two-digit hex of every byte, optionally separated.
std::string ToHex(std::string_view bytes, const char* separator = "");

} // namespace txt
