#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/language_tables.h"

namespace bexlan {

// The Windows "ANSI" code page that text files without a byte-order mark are read in when
// they are not valid UTF-8. Each language brings its own.
enum class CodePage { Windows1254, Big5 /* code page 950 */, Windows1252 };

// Turkish 1254, Traditional Chinese 950, English 1252.
CodePage CodePageForLanguage(Language language);

// True when `text` is well-formed UTF-8 (no overlong forms, surrogates or values past
// U+10FFFF).
bool IsValidUtf8(std::string_view text);

// `text` with every byte that is not part of a well-formed UTF-8 sequence replaced by U+FFFD.
std::string SanitizeUtf8(std::string_view text);

// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

// UTF-8 to UTF-16; a malformed byte becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);

// Bytes in `codePage` to UTF-8; a byte or pair the code page does not define becomes U+FFFD.
std::string DecodeCodePage(std::span<const uint8_t> bytes, CodePage codePage);

// UTF-8 to bytes in `codePage`; nullopt when a character has no form in it, so the caller
// can fall back to an encoding that loses nothing.
std::optional<std::string> EncodeCodePage(std::string_view utf8, CodePage codePage);

} // namespace bexlan
