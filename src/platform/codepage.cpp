#include "platform/codepage.h"

#include "platform/textutil.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <iconv.h>
#include <iterator>
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

// Code page 936 codes that iconv leaves out and Windows maps to private-use
// characters, as blocks of rows (lead bytes) and trail bytes, 7F left out.
// Codes run row by row, trail bytes rising, from the block's first
// character.
struct PrivateUseBlock {
    int firstLead, lastLead, firstTrail, lastTrail;
    char16_t first;
};
constexpr int kNoTrail = 0x7F;

// The trail bytes of a row, and the place of a trail byte in its row.
constexpr int TrailsPerRow(const PrivateUseBlock& block) {
    return block.lastTrail - block.firstTrail + 1 -
           (block.firstTrail < kNoTrail && kNoTrail <= block.lastTrail);
}
constexpr int TrailIndex(const PrivateUseBlock& block, int trail) {
    return trail - block.firstTrail - (block.firstTrail < kNoTrail && kNoTrail < trail);
}
constexpr int CodeCount(const PrivateUseBlock& block) {
    return (block.lastLead - block.firstLead + 1) * TrailsPerRow(block);
}

// The user-defined areas: AAA1-AFFE from U+E000, F8A1-FEFE from U+E234,
// A140-A7A0 from U+E4C6.
constexpr PrivateUseBlock kUserAreas[] = {
    {0xAA, 0xAF, 0xA1, 0xFE, 0xE000},
    {0xF8, 0xFE, 0xA1, 0xFE, 0xE234},
    {0xA1, 0xA7, 0x40, 0xA0, 0xE4C6},
};

// The codes that GBK leaves unassigned, in code order: one run of trail
// bytes in a row each. They follow the user-defined areas from U+E766.
struct Run {
    int lead, firstTrail, lastTrail;
};
constexpr Run kUnassignedRuns[] = {
    {0xA2, 0xAB, 0xB0}, {0xA2, 0xE3, 0xE4}, {0xA2, 0xEF, 0xF0}, {0xA2, 0xFD, 0xFE}, {0xA4, 0xF4, 0xFE},
    {0xA5, 0xF7, 0xFE}, {0xA6, 0xB9, 0xC0}, {0xA6, 0xD9, 0xDF}, {0xA6, 0xEC, 0xED}, {0xA6, 0xF3, 0xF3},
    {0xA6, 0xF6, 0xFE}, {0xA7, 0xC2, 0xD0}, {0xA7, 0xF2, 0xFE}, {0xA8, 0x96, 0xA0}, {0xA8, 0xBC, 0xBC},
    {0xA8, 0xBF, 0xBF}, {0xA8, 0xC1, 0xC4}, {0xA8, 0xEA, 0xFE}, {0xA9, 0x58, 0x58}, {0xA9, 0x5B, 0x5B},
    {0xA9, 0x5D, 0x5F}, {0xA9, 0x89, 0x95}, {0xA9, 0x97, 0xA3}, {0xA9, 0xF0, 0xFE}, {0xD7, 0xFA, 0xFE},
    {0xFE, 0x50, 0xA0}, // FE50-FE7E and FE80-FEA0
};
constexpr char16_t kFirstUnassignedChar = 0xE766;

constexpr size_t kBlockCount = std::size(kUserAreas) + std::size(kUnassignedRuns);
constexpr std::array<PrivateUseBlock, kBlockCount> kPrivateUseBlocks = [] {
    std::array<PrivateUseBlock, kBlockCount> blocks{};
    size_t i = 0;
    for (const PrivateUseBlock& area : kUserAreas)
        blocks[i++] = area;
    char16_t next = kFirstUnassignedChar;
    for (const Run& run : kUnassignedRuns) {
        blocks[i] = {run.lead, run.lead, run.firstTrail, run.lastTrail, next};
        next = char16_t(next + CodeCount(blocks[i++]));
    }
    return blocks;
}();
static_assert(kPrivateUseBlocks.back().first + CodeCount(kPrivateUseBlocks.back()) == 0xE865,
              "the 255 unassigned codes end at U+E864");

// The single byte FF, which Windows maps to a private-use character too.
constexpr unsigned char kByteFF = 0xFF;
constexpr char16_t kByteFFChar = 0xF8F5;

// Whether the two bytes form a code: a lead byte 81-FE and a trail byte
// 40-7E or 80-FE.
bool IsCode(unsigned char lead, unsigned char trail) {
    return txt::IsLeadByte(char(lead)) && trail >= 0x40 && trail <= 0xFE && trail != kNoTrail;
}

// The private-use character of a two-byte code, or 0.
char16_t PrivateUseChar(unsigned char lead, unsigned char trail) {
    for (const PrivateUseBlock& block : kPrivateUseBlocks) {
        if (lead >= block.firstLead && lead <= block.lastLead && trail >= block.firstTrail &&
            trail <= block.lastTrail && trail != kNoTrail)
            return char16_t(block.first + (lead - block.firstLead) * TrailsPerRow(block) +
                            TrailIndex(block, trail));
    }
    return 0;
}

// The bytes of a private-use character of code page 936, or empty.
std::string PrivateUseBytes(char16_t u) {
    if (u == kByteFFChar)
        return std::string(1, char(kByteFF));
    for (const PrivateUseBlock& block : kPrivateUseBlocks) {
        const int perRow = TrailsPerRow(block);
        const int index = int(u) - int(block.first);
        if (index < 0 || index >= CodeCount(block))
            continue;
        int trail = block.firstTrail + index % perRow;
        if (block.firstTrail < kNoTrail && trail >= kNoTrail)
            ++trail;
        return {char(block.firstLead + index / perRow), char(trail)};
    }
    return {};
}

char16_t Utf16LeUnit(const char* p) {
    return char16_t(static_cast<unsigned char>(p[0]) | (static_cast<unsigned char>(p[1]) << 8));
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
            // iconv stops at the codes it leaves out, which take their
            // private-use characters, and at a malformed byte (EILSEQ, or
            // EINVAL for a lead byte at the end), which takes U+FFFD alone:
            // the byte after it is read as itself.
            const auto lead = static_cast<unsigned char>(src[0]);
            const auto trail = left >= 2 ? static_cast<unsigned char>(src[1]) : 0; // 0: no code
            size_t skip = 1;
            char16_t u = QChar::ReplacementCharacter;
            if (lead == kByteFF) {
                u = kByteFFChar;
            } else if (IsCode(lead, trail)) {
                skip = 2;
                if (const char16_t privateUse = PrivateUseChar(lead, trail))
                    u = privateUse;
            }
            out += QChar(u);
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
            // iconv stops at the private-use characters it leaves out and at
            // every character code page 936 lacks, which becomes one '?': a
            // surrogate pair takes two units, a lone surrogate one, so the
            // character after it is always kept.
            const char16_t u = Utf16LeUnit(src);
            const std::string privateUse = PrivateUseBytes(u);
            out += privateUse.empty() ? std::string("?") : privateUse;
            const size_t skip =
                QChar::isHighSurrogate(u) && left >= 4 && QChar::isLowSurrogate(Utf16LeUnit(src + 2)) ? 4 : 2;
            src += skip;
            left -= skip;
            iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
        }
    }
    return out;
}

} // namespace cp936
