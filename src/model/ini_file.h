#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "model/text_codec.h"

namespace bexlan {

// How an INI file's text is stored on disk. A file keeps the form it was read in.
enum class TextEncoding {
    Utf16Le, // FF FE, then UTF-16LE: the form of profiles
    Utf16Be, // FE FF, then UTF-16BE
    Utf8Bom, // EF BB BF, then UTF-8
    Ansi,    // no mark: UTF-8 when valid, else the code page of the current language
};

// Largest INI file that Load reads; real ones are a few kilobytes.
inline constexpr std::size_t kMaxIniFileBytes = 8u << 20;

// An INI document in memory with the semantics of the Windows private-profile functions, so
// that files written here and by the Windows tool are interchangeable:
// - lines end in CRLF; "[Section]", then "key=value"; lines starting with ';' are comments
//   and stay, blank lines go;
// - section and key names are trimmed of surrounding white space and compared without
//   regard to the case of ASCII letters; values are trimmed;
// - among duplicate sections or keys the first one counts;
// - writing an existing key rewrites its line in place with the file's spelling of the
//   name; a new key goes at the end of its section, a new section at the end of the file.
// Names and values are UTF-8 everywhere in the interface.
class IniFile {
public:
    // An empty document that will be written in `encoding` (a new profile is UTF-16LE).
    explicit IniFile(TextEncoding encoding = TextEncoding::Utf16Le);

    // Never fails: any bytes give some document. `ansi` decodes text without a byte-order
    // mark that is not valid UTF-8.
    static IniFile Parse(std::span<const uint8_t> bytes, CodePage ansi);

    // nullopt when the file is missing, unreadable or larger than kMaxIniFileBytes.
    static std::optional<IniFile> Load(const std::filesystem::path& path, CodePage ansi);

    // Writes the whole document at once through WriteFileAtomically; false leaves the old
    // file as it was.
    bool Save(const std::filesystem::path& path, std::error_code* error = nullptr) const;

    // The trimmed value as stored, quotes included; nullopt when the section or key is absent.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;

    // The value with one pair of matching surrounding quotes (' or ") removed, or `fallback`
    // when the key is absent.
    std::string GetString(std::string_view section, std::string_view key,
                          std::string_view fallback) const;

    // The value read as an integer by ParseProfileInt; `fallback` when absent or empty.
    int32_t GetInt(std::string_view section, std::string_view key, int32_t fallback) const;

    // Sets a key, creating the section and key as needed. Line breaks in `value` become
    // spaces, since they would split the line. Returns false, changing nothing, when the
    // names cannot be stored so that they read back: empty after trimming, a line break in
    // either, '=' or a leading '[' or ';' in the key, ']' in the section.
    bool SetString(std::string_view section, std::string_view key, std::string_view value);

    bool HasSection(std::string_view section) const;

    TextEncoding Encoding() const { return m_encoding; }

    // The whole file in its encoding: the byte-order mark, then every line followed by CRLF.
    std::vector<uint8_t> Serialize() const;

private:
    enum class LineKind : uint8_t { Section, Entry, Comment, Other };
    struct Line {
        LineKind kind;
        std::string text;  // the line as written to the file, without its line break
        std::string name;  // Section and Entry: the trimmed name
        std::string value; // Entry: the trimmed value
    };

    // Index of the first line of the first section named `section`, or npos.
    std::size_t findSection(std::string_view section) const;
    // Index of the first entry `key` in the section whose header is at `header`, or npos.
    std::size_t findEntry(std::size_t header, std::string_view key) const;
    // Index one past the last line of the section whose header is at `header`.
    std::size_t sectionEnd(std::size_t header) const;

    TextEncoding m_encoding;
    // Set when an Ansi file was decoded with a code page rather than as UTF-8, so it is
    // written back in that code page.
    std::optional<CodePage> m_ansiCodePage;
    std::vector<Line> m_lines;
};

// The integer reading of the private-profile functions: leading white space, an optional
// sign, then "0x" hexadecimal (lower-case x only), "0b" binary, "0o" octal or decimal digits
// up to the first other character, wrapping modulo 2^32 ("0xffffffff" is -1). An empty text
// gives `fallback`; a text without digits gives 0.
int32_t ParseProfileInt(std::string_view text, int32_t fallback);

// Compares two names the way INI keys are matched: ASCII letters without regard to case,
// every other byte as it is.
bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b);

} // namespace bexlan
