#include "platform/textutil.h"

#include <algorithm>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <stdexcept>

namespace txt {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string TrimLeft(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && IsSpace(s[i]))
        ++i;
    return std::string(s.substr(i));
}

namespace {

// Where the text from `begin` ends once its trailing white space is gone.
// The text is stepped character by character, so the blank that a lead
// byte takes as its second byte is no trailing white space.
size_t EndOfText(std::string_view s, size_t begin) {
    size_t end = begin;
    for (size_t i = begin; i < s.size();) {
        const size_t width = CharWidth(s, i);
        if (width > 1 || !IsSpace(s[i]))
            end = i + width;
        i += width;
    }
    return end;
}

} // namespace

std::string TrimRight(std::string_view s) {
    return std::string(s.substr(0, EndOfText(s, 0)));
}

std::string Trim(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && IsSpace(s[i]))
        ++i;
    return std::string(s.substr(i, EndOfText(s, i) - i));
}

bool IsBlank(std::string_view s) {
    return std::all_of(s.begin(), s.end(), IsSpace);
}

std::string Left(std::string_view s, long n) {
    if (n <= 0)
        return {};
    return std::string(s.substr(0, static_cast<size_t>(n)));
}

std::string Mid(std::string_view s, long pos, long n) {
    if (pos < 0)
        pos = 0;
    if (static_cast<size_t>(pos) >= s.size())
        return {};
    if (n < 0)
        return std::string(s.substr(static_cast<size_t>(pos)));
    return std::string(s.substr(static_cast<size_t>(pos), static_cast<size_t>(n)));
}

size_t WholeCharLength(std::string_view s, size_t maxBytes) {
    if (s.size() <= maxBytes)
        return s.size();
    size_t n = 0;
    while (n < maxBytes) {
        const size_t width = CharWidth(s, n);
        if (n + width > maxBytes)
            break;
        n += width;
    }
    return n;
}

std::string Format(const char* fmt, ...) {
    va_list ap;
    va_start(ap, fmt);
    va_list ap2;
    va_copy(ap2, ap);
    int n = std::vsnprintf(nullptr, 0, fmt, ap);
    va_end(ap);
    std::string out;
    if (n > 0) {
        out.resize(static_cast<size_t>(n) + 1);
        std::vsnprintf(out.data(), out.size(), fmt, ap2);
        out.resize(static_cast<size_t>(n));
    }
    va_end(ap2);
    return out;
}

std::string Compose(std::string_view fmt, std::initializer_list<Field> fields) {
    std::string out;
    auto field = fields.begin();
    size_t i = 0;
    while (i < fmt.size()) {
        const size_t mark = fmt.find('%', i);
        out += fmt.substr(i, mark - i);
        if (mark == std::string_view::npos)
            break;
        const size_t conversion = fmt.find_first_of("sd", mark + 1);
        if (conversion == std::string_view::npos || field == fields.end())
            throw std::invalid_argument("the text's fields do not match its format");
        const std::string_view flags = fmt.substr(mark + 1, conversion - mark - 1);
        i = conversion + 1;
        if (fmt[conversion] == 's') {
            out += std::get<std::string_view>(*field++);
        } else {
            const int width = int(ToInt(flags));
            const long value = std::get<long>(*field++);
            out += flags.starts_with('0') ? Format("%0*ld", width, value) : Format("%*ld", width, value);
        }
    }
    return out;
}

long ToInt(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && IsSpace(s[i]))
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    long long value = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        if (value < LLONG_MAX / 10)
            value = value * 10 + (s[i] - '0');
        ++i;
    }
    if (negative)
        value = -value;
    return static_cast<long>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

std::string DigitGroup(long value, int width) {
    std::string s = Format("%0*ld", width, value);
    if (static_cast<int>(s.size()) > width)
        s.resize(static_cast<size_t>(width));
    return s;
}

void PutDigitGroup(char* p, long value, int width) {
    const std::string s = DigitGroup(value, width);
    std::copy(s.begin(), s.end(), p);
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

int HexPairValue(char first, char second) {
    const int hi = HexDigitValue(first);
    if (hi < 0)
        return 0;
    const int lo = HexDigitValue(second);
    return lo < 0 ? hi : hi * 16 + lo;
}

std::string ToHex(std::string_view bytes, const char* separator) {
    std::string out;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0)
            out += separator;
        out += Format("%02x", static_cast<unsigned char>(bytes[i]));
    }
    return out;
}

} // namespace txt
