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

// Code page 936's user-defined areas, which Windows maps to private-use
// characters and iconv leaves out. Codes run row by row (lead byte), trail
// bytes rising, 7F left out: AAA1-AFFE from U+E000, F8A1-FEFE from U+E234,
// A140-A7A0 from U+E4C6.
struct UserArea {
    int firstLead, lastLead, firstTrail, lastTrail;
    char16_t first;
};
constexpr UserArea kUserAreas[] = {
    {0xAA, 0xAF, 0xA1, 0xFE, 0xE000},
    {0xF8, 0xFE, 0xA1, 0xFE, 0xE234},
    {0xA1, 0xA7, 0x40, 0xA0, 0xE4C6},
};
constexpr int kNoTrail = 0x7F;

// The trail bytes of a row, and the place of a trail byte in its row.
int TrailsPerRow(const UserArea& area) {
    return area.lastTrail - area.firstTrail + 1 - (area.firstTrail < kNoTrail && kNoTrail <= area.lastTrail);
}
int TrailIndex(const UserArea& area, int trail) {
    return trail - area.firstTrail - (area.firstTrail < kNoTrail && kNoTrail < trail);
}

// The private-use character of a two-byte code, or 0 when the code lies in
// no user-defined area.
char16_t UserAreaChar(unsigned char lead, unsigned char trail) {
    for (const UserArea& area : kUserAreas) {
        if (lead >= area.firstLead && lead <= area.lastLead && trail >= area.firstTrail &&
            trail <= area.lastTrail && trail != kNoTrail)
            return char16_t(area.first + (lead - area.firstLead) * TrailsPerRow(area) +
                            TrailIndex(area, trail));
    }
    return 0;
}

// The two bytes of a private-use character of a user-defined area, or empty.
std::string UserAreaBytes(char16_t u) {
    for (const UserArea& area : kUserAreas) {
        const int perRow = TrailsPerRow(area);
        const int index = int(u) - int(area.first);
        if (index < 0 || index >= (area.lastLead - area.firstLead + 1) * perRow)
            continue;
        int trail = area.firstTrail + index % perRow;
        if (area.firstTrail < kNoTrail && trail >= kNoTrail)
            ++trail;
        return {char(area.firstLead + index / perRow), char(trail)};
    }
    return {};
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
            // iconv stops at a code of a user-defined area too. Any other
            // EILSEQ or EINVAL (a lead byte at the end): replace one byte, go on.
            const char16_t user = left >= 2 ? UserAreaChar(static_cast<unsigned char>(src[0]),
                                                           static_cast<unsigned char>(src[1]))
                                            : 0;
            out += user ? QChar(user) : QChar(QChar::ReplacementCharacter);
            const size_t skip = user ? 2 : 1;
            src += skip;
            left -= skip;
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
            const char16_t u = static_cast<char16_t>(static_cast<unsigned char>(src[0]) |
                                                     (static_cast<unsigned char>(src[1]) << 8));
            // iconv stops at a character of a user-defined area too.
            const std::string user = UserAreaBytes(u);
            out += user.empty() ? std::string("?") : user;
            // Skip one UTF-16 unit, or two for a surrogate pair.
            const size_t skip = (u >= 0xD800 && u < 0xDC00 && left >= 4) ? 4 : 2;
            src += std::min(skip, left);
            left -= std::min(skip, left);
            iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
        }
    }
    return out;
}

} // namespace cp936
