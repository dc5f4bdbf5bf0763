#include "platform/codepage.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>
#include <vector>

namespace cp936 {
namespace {

// iconv descriptors carry shift state, so each conversion opens its own.
class Iconv {
public:
    Iconv(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Iconv() {
        if (ok())
            iconv_close(m_cd);
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;
    bool ok() const { return m_cd != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return m_cd; }

private:
    iconv_t m_cd;
};

// Code page 936 keeps bytes 0x00-0x7F as the same characters, so text
// made of them alone needs no converter (opening one costs more than the
// conversion of a short text).
bool IsAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool IsAscii(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

} // namespace

QString ToUnicode(std::string_view bytes) {
    if (bytes.empty())
        return QString();
    if (IsAscii(bytes))
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QString out;
    Iconv cd("UTF-16LE", "CP936");
    if (!cd.ok()) {
        for (char c : bytes)
            out += static_cast<unsigned char>(c) < 0x80 ? QChar(c) : QChar(QChar::ReplacementCharacter);
        return out;
    }
    std::string in(bytes);
    char* src = in.data();
    size_t left = in.size();
    std::vector<char> buf(in.size() * 4 + 16);
    while (left > 0) {
        char* dst = buf.data();
        size_t room = buf.size();
        const size_t r = iconv(cd.get(), &src, &left, &dst, &room);
        out += QString::fromUtf16(reinterpret_cast<const char16_t*>(buf.data()),
                                  static_cast<qsizetype>((buf.size() - room) / 2));
        if (r == static_cast<size_t>(-1)) {
            if (errno == E2BIG)
                continue;
            // EILSEQ or EINVAL (a lead byte at the end): replace one byte, go on.
            out += QChar(QChar::ReplacementCharacter);
            ++src;
            --left;
            iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
        }
    }
    return out;
}

std::string FromUnicode(const QString& text) {
    if (IsAscii(text))
        return text.toLatin1().toStdString();
    std::string out;
    Iconv cd("CP936", "UTF-16LE");
    if (!cd.ok()) {
        for (QChar c : text)
            out += c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : '?';
        return out;
    }
    std::u16string in = text.toStdU16String();
    char* src = reinterpret_cast<char*>(in.data());
    size_t left = in.size() * 2;
    std::vector<char> buf(in.size() * 2 + 16);
    while (left > 0) {
        char* dst = buf.data();
        size_t room = buf.size();
        const size_t r = iconv(cd.get(), &src, &left, &dst, &room);
        out.append(buf.data(), buf.size() - room);
        if (r == static_cast<size_t>(-1)) {
            if (errno == E2BIG)
                continue;
            out += '?';
            // Skip one UTF-16 unit, or two for a surrogate pair.
            const char16_t u = static_cast<char16_t>(static_cast<unsigned char>(src[0]) |
                                                     (static_cast<unsigned char>(src[1]) << 8));
            const size_t skip = (u >= 0xD800 && u < 0xDC00 && left >= 4) ? 4 : 2;
            src += std::min(skip, left);
            left -= std::min(skip, left);
            iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
        }
    }
    return out;
}

} // namespace cp936
