#include "model/text_codec.h"

#include <cerrno>
#include <iconv.h>

namespace bexlan {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void appendUtf8(std::string& out, char32_t codePoint)
{
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

// Decodes the UTF-8 sequence at `pos`. Returns its length, or 0 when the byte there does not
// start a well-formed sequence.
std::size_t decodeUtf8(std::string_view text, std::size_t pos, char32_t& codePoint)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        codePoint = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        codePoint = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        codePoint = lead & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (text.size() - pos < length) {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[pos + k]);
        if ((next & 0xC0) != 0x80) {
            return 0;
        }
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF ||
        (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        return 0;
    }
    return length;
}

const char* iconvName(CodePage codePage)
{
    switch (codePage) {
    case CodePage::Windows1254:
        return "CP1254";
    case CodePage::Big5:
        return "CP950";
    case CodePage::Windows1252:
        break;
    }
    return "CP1252";
}

// An iconv descriptor that is closed on every path.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Converter()
    {
        if (valid()) {
            iconv_close(m_cd);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    // Converts as much of [in, in + inLeft) as possible, appending to `out`. Returns 0, or
    // the errno that stopped it (EILSEQ or EINVAL) with `in` at the offending bytes.
    int convert(const char*& in, std::size_t& inLeft, std::string& out)
    {
        char buffer[1024];
        while (inLeft > 0) {
            char* dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            char* src = const_cast<char*>(in);
            const std::size_t result = iconv(m_cd, &src, &inLeft, &dst, &dstLeft);
            const int failure = errno;
            out.append(buffer, dst);
            in = src;
            if (result == static_cast<std::size_t>(-1) && failure != E2BIG) {
                return failure;
            }
        }
        return 0;
    }

    void reset() { iconv(m_cd, nullptr, nullptr, nullptr, nullptr); }

private:
    iconv_t m_cd;
};

} // namespace

CodePage CodePageForLanguage(Language language)
{
    switch (language) {
    case Language::Turkish:
        return CodePage::Windows1254;
    case Language::TraditionalChinese:
        return CodePage::Big5;
    case Language::English:
        break;
    }
    return CodePage::Windows1252;
}

bool IsValidUtf8(std::string_view text)
{
    std::size_t pos = 0;
    char32_t codePoint = 0;
    while (pos < text.size()) {
        const std::size_t length = decodeUtf8(text, pos, codePoint);
        if (length == 0) {
            return false;
        }
        pos += length;
    }
    return true;
}

std::string SanitizeUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    char32_t codePoint = 0;
    while (pos < text.size()) {
        const std::size_t length = decodeUtf8(text, pos, codePoint);
        if (length == 0) {
            appendUtf8(out, kReplacement);
            ++pos;
        } else {
            out.append(text.substr(pos, length));
            pos += length;
        }
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t unit = text[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            appendUtf8(out, kReplacement);
        } else {
            appendUtf8(out, unit);
        }
    }
    return out;
}

std::u16string Utf8ToUtf16(std::string_view text)
{
    std::u16string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    char32_t codePoint = 0;
    while (pos < text.size()) {
        std::size_t length = decodeUtf8(text, pos, codePoint);
        if (length == 0) {
            codePoint = kReplacement;
            length = 1;
        }
        pos += length;
        if (codePoint >= 0x10000) {
            codePoint -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (codePoint >> 10));
            out += static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF));
        } else {
            out += static_cast<char16_t>(codePoint);
        }
    }
    return out;
}

std::string DecodeCodePage(std::span<const uint8_t> bytes, CodePage codePage)
{
    std::string out;
    out.reserve(bytes.size());
    Converter converter("UTF-8", iconvName(codePage));
    if (!converter.valid()) {
        // No converter in this C library: keep what is plain ASCII and mark the rest.
        for (const uint8_t byte : bytes) {
            appendUtf8(out, byte < 0x80 ? char32_t{byte} : kReplacement);
        }
        return out;
    }
    const char* in = reinterpret_cast<const char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    while (inLeft > 0) {
        if (converter.convert(in, inLeft, out) == 0) {
            break;
        }
        // An undefined byte, or a lead byte cut off at the end: mark it and go on after it.
        appendUtf8(out, kReplacement);
        ++in;
        --inLeft;
        converter.reset();
    }
    return out;
}

std::optional<std::string> EncodeCodePage(std::string_view utf8, CodePage codePage)
{
    Converter converter(iconvName(codePage), "UTF-8");
    if (!converter.valid()) {
        return std::nullopt;
    }
    std::string out;
    out.reserve(utf8.size());
    const char* in = utf8.data();
    std::size_t inLeft = utf8.size();
    if (converter.convert(in, inLeft, out) != 0) {
        return std::nullopt;
    }
    return out;
}

} // namespace bexlan
