#include "platform/profile.h"

#include "platform/fileio.h"

#include "platform/textutil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <climits>
#include <vector>

namespace profile {
namespace {

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = char(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = char(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

// One line of the file: where it starts, its text without the line end, and
// the line end itself ("\r\n", "\n" or "" for a last line without one).
struct Line {
    size_t begin;
    std::string_view text;
    std::string_view end;
};

std::vector<Line> SplitLines(std::string_view content) {
    std::vector<Line> lines;
    size_t pos = 0;
    while (pos < content.size()) {
        size_t nl = content.find('\n', pos);
        size_t textEnd = nl == std::string_view::npos ? content.size() : nl;
        size_t lineEnd = nl == std::string_view::npos ? content.size() : nl + 1;
        if (textEnd > pos && content[textEnd - 1] == '\r')
            --textEnd;
        lines.push_back(
            {pos, content.substr(pos, textEnd - pos), content.substr(textEnd, lineEnd - textEnd)});
        pos = lineEnd;
    }
    return lines;
}

// The section name of a "[name]" line, if it is one.
std::optional<std::string> SectionName(std::string_view text) {
    const std::string t = txt::TrimLeft(text);
    if (t.empty() || t[0] != '[')
        return std::nullopt;
    const size_t close = t.find(']');
    return txt::Trim(
        std::string_view(t).substr(1, close == std::string::npos ? std::string::npos : close - 1));
}

// The key name of a "name=value" line, if it is one.
std::optional<std::string> KeyName(std::string_view text) {
    const size_t eq = text.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    return txt::Trim(text.substr(0, eq));
}

std::string ValueOf(std::string_view text) {
    std::string v = txt::Trim(text.substr(text.find('=') + 1));
    // A value written between matching quotation marks reads without them.
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return v;
}

// Index range [first, last) of the lines of the first section of that name
// (the header line excluded); nothing when there is no such section.
std::optional<std::pair<size_t, size_t>> FindSection(const std::vector<Line>& lines,
                                                     std::string_view section) {
    for (size_t i = 0; i < lines.size(); ++i) {
        auto name = SectionName(lines[i].text);
        if (!name || !SameName(*name, txt::Trim(section)))
            continue;
        size_t j = i + 1;
        while (j < lines.size() && !SectionName(lines[j].text))
            ++j;
        return std::make_pair(i + 1, j);
    }
    return std::nullopt;
}

std::optional<std::string> ReadFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray data = f.readAll();
    return std::string(data.constData(), size_t(data.size()));
}

} // namespace

std::optional<std::string> FindValue(std::string_view content, std::string_view section,
                                     std::string_view key) {
    const auto lines = SplitLines(content);
    const auto range = FindSection(lines, section);
    if (!range)
        return std::nullopt;
    for (size_t i = range->first; i < range->second; ++i) {
        auto name = KeyName(lines[i].text);
        if (name && SameName(*name, txt::Trim(key)))
            return ValueOf(lines[i].text);
    }
    return std::nullopt;
}

std::string SetValue(std::string_view content, std::string_view section, std::string_view key,
                     std::string_view value) {
    const auto lines = SplitLines(content);
    // New lines take the file's own line end; a new file gets CR LF.
    std::string eol = "\r\n";
    if (!lines.empty() && lines.front().end == "\n")
        eol = "\n";

    const std::string keyName = txt::Trim(key);
    const auto range = FindSection(lines, section);
    std::string out;
    if (!range) {
        out.assign(content);
        if (!out.empty() && out.back() != '\n')
            out += eol;
        out += "[" + txt::Trim(section) + "]" + eol + keyName + "=" + std::string(value) + eol;
        return out;
    }
    for (size_t i = range->first; i < range->second; ++i) {
        auto name = KeyName(lines[i].text);
        if (!name || !SameName(*name, keyName))
            continue;
        // Replace the value, keep the name as the file spells it.
        out.assign(content.substr(0, lines[i].begin));
        out += *name + "=" + std::string(value);
        out += lines[i].end.empty() ? eol : std::string(lines[i].end);
        out.append(content.substr(lines[i].begin + lines[i].text.size() + lines[i].end.size()));
        return out;
    }
    // A new key goes after the last non-blank line of the section.
    size_t after = range->first; // index of the line before which to insert
    for (size_t i = range->first; i < range->second; ++i)
        if (!txt::IsBlank(lines[i].text))
            after = i + 1;
    const size_t at = after < lines.size() ? lines[after].begin : content.size();
    out.assign(content.substr(0, at));
    if (!out.empty() && out.back() != '\n')
        out += eol;
    out += keyName + "=" + std::string(value) + eol;
    out.append(content.substr(at));
    return out;
}

std::optional<std::string> ReadString(const QString& path, std::string_view section, std::string_view key) {
    const auto content = ReadFile(path);
    if (!content)
        return std::nullopt;
    return FindValue(*content, section, key);
}

int ReadInt(const QString& path, std::string_view section, std::string_view key, int defaultValue) {
    const auto value = ReadString(path, section, key);
    if (!value || value->empty())
        return defaultValue;
    const long n = txt::ToInt(*value);
    return n > INT_MAX ? INT_MAX : n < INT_MIN ? INT_MIN : int(n);
}

bool WriteString(const QString& path, std::string_view section, std::string_view key,
                 std::string_view value) {
    const std::string content = SetValue(ReadFile(path).value_or(std::string()), section, key, value);
    QDir().mkpath(QFileInfo(path).absolutePath());
    return fileio::WriteAll(path, content);
}

bool WriteInt(const QString& path, std::string_view section, std::string_view key, int value) {
    return WriteString(path, section, key, std::to_string(value));
}

} // namespace profile
