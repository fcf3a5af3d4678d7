#include "model/ini_file.h"

#include <algorithm>

#include "model/atomic_file.h"

namespace bexlan {
namespace {

constexpr std::size_t npos = std::string::npos;

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

std::string_view trim(std::string_view text)
{
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool hasLineBreak(std::string_view text)
{
    return text.find_first_of("\r\n") != npos;
}

std::string decodeUtf16(std::span<const uint8_t> bytes, bool bigEndian)
{
    // An odd last byte is half a character and is dropped.
    std::u16string units(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        const uint8_t first = bytes[2 * i];
        const uint8_t second = bytes[2 * i + 1];
        units[i] = bigEndian ? static_cast<char16_t>(first << 8 | second)
                             : static_cast<char16_t>(second << 8 | first);
    }
    return Utf16ToUtf8(units);
}

void appendUtf16(std::vector<uint8_t>& out, std::string_view text, bool bigEndian)
{
    const std::u16string units = Utf8ToUtf16(text);
    out.reserve(out.size() + 2 * units.size());
    for (const char16_t unit : units) {
        const auto high = static_cast<uint8_t>(unit >> 8);
        const auto low = static_cast<uint8_t>(unit & 0xFF);
        out.push_back(bigEndian ? high : low);
        out.push_back(bigEndian ? low : high);
    }
}

int digitValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'z') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'Z') {
        return c - 'A' + 10;
    }
    return 99;
}

std::string_view stripQuotes(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

bool startsWithMark(std::string_view bytes)
{
    return bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF") ||
           bytes.starts_with("\xEF\xBB\xBF");
}

} // namespace

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return asciiLower(x) == asciiLower(y);
           });
}

int32_t ParseProfileInt(std::string_view text, int32_t fallback)
{
    if (text.empty()) {
        return fallback;
    }
    std::size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        negative = text[pos] == '-';
        ++pos;
    }
    uint32_t base = 10;
    if (pos + 1 < text.size() && text[pos] == '0') {
        switch (text[pos + 1]) {
        case 'x':
            base = 16;
            break;
        case 'b':
            base = 2;
            break;
        case 'o':
            base = 8;
            break;
        default:
            break;
        }
        if (base != 10) {
            pos += 2;
        }
    }
    uint32_t value = 0;
    for (; pos < text.size(); ++pos) {
        const int digit = digitValue(text[pos]);
        if (digit >= static_cast<int>(base)) {
            break;
        }
        value = value * base + static_cast<uint32_t>(digit);
    }
    if (negative) {
        value = 0u - value;
    }
    return static_cast<int32_t>(value);
}

IniFile::IniFile(TextEncoding encoding) : m_encoding(encoding) {}

IniFile IniFile::Parse(std::span<const uint8_t> bytes, CodePage ansi)
{
    IniFile file(TextEncoding::Ansi);
    std::string text;
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
        file.m_encoding = TextEncoding::Utf16Le;
        text = decodeUtf16(bytes.subspan(2), false);
    } else if (bytes.size() >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) {
        file.m_encoding = TextEncoding::Utf16Be;
        text = decodeUtf16(bytes.subspan(2), true);
    } else if (bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) {
        file.m_encoding = TextEncoding::Utf8Bom;
        const auto rest = bytes.subspan(3);
        text =
            SanitizeUtf8(std::string_view(reinterpret_cast<const char*>(rest.data()), rest.size()));
    } else {
        const std::string_view raw(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        if (IsValidUtf8(raw)) {
            text = raw;
        } else {
            file.m_ansiCodePage = ansi;
            text = DecodeCodePage(bytes, ansi);
        }
    }

    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == npos) {
            end = text.size();
        }
        const std::string_view line(text.data() + start, end - start);
        start = end + 1;
        if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') {
            ++start;
        }

        const std::string_view content = trim(line);
        if (content.empty()) {
            continue;
        }
        Line parsed{LineKind::Other, std::string(line), {}, {}};
        if (content.front() == '[') {
            const std::size_t close = content.find(']');
            parsed.kind = LineKind::Section;
            parsed.name = trim(content.substr(1, close == npos ? npos : close - 1));
        } else if (content.front() == ';') {
            parsed.kind = LineKind::Comment;
        } else if (const std::size_t equals = content.find('='); equals != npos) {
            parsed.kind = LineKind::Entry;
            parsed.name = trim(content.substr(0, equals));
            parsed.value = trim(content.substr(equals + 1));
        }
        file.m_lines.push_back(std::move(parsed));
    }
    return file;
}

std::optional<IniFile> IniFile::Load(const std::filesystem::path& path, CodePage ansi)
{
    const auto bytes = ReadFileBytes(path, kMaxIniFileBytes);
    if (!bytes) {
        return std::nullopt;
    }
    return Parse(*bytes, ansi);
}

bool IniFile::Save(const std::filesystem::path& path, std::error_code* error) const
{
    return WriteFileAtomically(path, Serialize(), error);
}

std::size_t IniFile::findSection(std::string_view section) const
{
    const std::string_view wanted = trim(section);
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].kind == LineKind::Section &&
            EqualIgnoringAsciiCase(m_lines[i].name, wanted)) {
            return i;
        }
    }
    return npos;
}

std::size_t IniFile::findEntry(std::size_t header, std::string_view key) const
{
    const std::string_view wanted = trim(key);
    for (std::size_t i = header + 1; i < m_lines.size(); ++i) {
        const Line& line = m_lines[i];
        if (line.kind == LineKind::Section) {
            break;
        }
        if (line.kind == LineKind::Entry && EqualIgnoringAsciiCase(line.name, wanted)) {
            return i;
        }
    }
    return npos;
}

std::size_t IniFile::sectionEnd(std::size_t header) const
{
    std::size_t i = header + 1;
    while (i < m_lines.size() && m_lines[i].kind != LineKind::Section) {
        ++i;
    }
    return i;
}

std::optional<std::string> IniFile::Value(std::string_view section, std::string_view key) const
{
    const std::size_t header = findSection(section);
    if (header == npos) {
        return std::nullopt;
    }
    const std::size_t entry = findEntry(header, key);
    if (entry == npos) {
        return std::nullopt;
    }
    return m_lines[entry].value;
}

std::string IniFile::GetString(std::string_view section, std::string_view key,
                               std::string_view fallback) const
{
    const auto value = Value(section, key);
    return value ? std::string(stripQuotes(*value)) : std::string(fallback);
}

int32_t IniFile::GetInt(std::string_view section, std::string_view key, int32_t fallback) const
{
    const auto value = Value(section, key);
    return value ? ParseProfileInt(stripQuotes(*value), fallback) : fallback;
}

bool IniFile::SetString(std::string_view section, std::string_view key, std::string_view value)
{
    const std::string sectionName = SanitizeUtf8(trim(section));
    const std::string keyName = SanitizeUtf8(trim(key));
    if (sectionName.empty() || keyName.empty() || hasLineBreak(sectionName) ||
        hasLineBreak(keyName) || sectionName.find(']') != npos || keyName.find('=') != npos ||
        keyName.front() == '[' || keyName.front() == ';') {
        return false;
    }
    std::string text = SanitizeUtf8(value);
    std::replace(text.begin(), text.end(), '\r', ' ');
    std::replace(text.begin(), text.end(), '\n', ' ');
    const std::string trimmedValue(trim(text));

    std::size_t header = findSection(sectionName);
    if (header == npos) {
        m_lines.push_back({LineKind::Section, "[" + sectionName + "]", sectionName, {}});
        header = m_lines.size() - 1;
    }
    if (const std::size_t entry = findEntry(header, keyName); entry != npos) {
        Line& line = m_lines[entry];
        line.text = line.name + "=" + text;
        line.value = trimmedValue;
        return true;
    }
    const auto at = m_lines.begin() + static_cast<std::ptrdiff_t>(sectionEnd(header));
    m_lines.insert(at, Line{LineKind::Entry, keyName + "=" + text, keyName, trimmedValue});
    return true;
}

bool IniFile::HasSection(std::string_view section) const
{
    return findSection(section) != npos;
}

std::vector<uint8_t> IniFile::Serialize() const
{
    std::string text;
    std::size_t length = 0;
    for (const Line& line : m_lines) {
        length += line.text.size() + 2;
    }
    text.reserve(length);
    for (const Line& line : m_lines) {
        text += line.text;
        text += "\r\n";
    }

    std::vector<uint8_t> out;
    switch (m_encoding) {
    case TextEncoding::Utf16Le:
        out = {0xFF, 0xFE};
        appendUtf16(out, text, false);
        return out;
    case TextEncoding::Utf16Be:
        out = {0xFE, 0xFF};
        appendUtf16(out, text, true);
        return out;
    case TextEncoding::Utf8Bom:
        out = {0xEF, 0xBB, 0xBF};
        break;
    case TextEncoding::Ansi: {
        // Back in the code page it came in; a character the code page cannot hold makes the
        // whole file UTF-8 instead, which reads back the same.
        std::optional<std::string> encoded;
        if (m_ansiCodePage) {
            encoded = EncodeCodePage(text, *m_ansiCodePage);
        }
        const std::string& bytes = encoded ? *encoded : text;
        if (!startsWithMark(bytes)) {
            out.assign(bytes.begin(), bytes.end());
            return out;
        }
        // With its blank first lines gone, a file can begin with bytes that would read as a
        // byte-order mark; a real mark in front keeps the text as it is.
        out = {0xEF, 0xBB, 0xBF};
        break;
    }
    }
    out.insert(out.end(), text.begin(), text.end());
    return out;
}

} // namespace bexlan
