#include "model/ini_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace bexlan {
namespace {

std::vector<uint8_t> bytesOf(std::string_view text)
{
    return {text.begin(), text.end()};
}

// UTF-16LE with its byte-order mark, from UTF-8 text.
std::vector<uint8_t> utf16le(std::string_view text)
{
    std::vector<uint8_t> out{0xFF, 0xFE};
    for (const char16_t unit : Utf8ToUtf16(text)) {
        out.push_back(static_cast<uint8_t>(unit & 0xFF));
        out.push_back(static_cast<uint8_t>(unit >> 8));
    }
    return out;
}

IniFile parseText(std::string_view text, CodePage ansi = CodePage::Windows1252)
{
    return IniFile::Parse(bytesOf(text), ansi);
}

struct DecodeCase {
    const char* name;
    std::vector<uint8_t> bytes;
    CodePage ansi;
    TextEncoding encoding;
    std::string expected; // value of [S] k
};

TEST(IniFileTest, DecodesEveryEncodingItReads)
{
    const std::vector<DecodeCase> cases = {
        {"utf16le", utf16le("[S]\r\nk=Işık 巨集\r\n"), CodePage::Windows1252, TextEncoding::Utf16Le,
         "Işık 巨集"},
        {"utf16be",
         {0xFE, 0xFF, 0, '[', 0, 'S', 0, ']', 0, '\n', 0, 'k', 0, '=', 0x5D, 0xE8},
         CodePage::Windows1252,
         TextEncoding::Utf16Be,
         "巨"},
        {"utf8 bom", bytesOf("\xEF\xBB\xBF[S]\nk=\xC3\xBC"), CodePage::Windows1252,
         TextEncoding::Utf8Bom, "ü"},
        {"ansi valid utf8", bytesOf("[S]\nk=\xC5\x9F"), CodePage::Windows1254, TextEncoding::Ansi,
         "ş"},
        {"ansi 1254", bytesOf("[S]\nk=\xDE\xFE"), CodePage::Windows1254, TextEncoding::Ansi, "Şş"},
        {"ansi 950", bytesOf("[S]\nk=\xA4\xA4\xA4\xE5"), CodePage::Big5, TextEncoding::Ansi,
         "中文"},
        {"ansi 1252", bytesOf("[S]\nk=caf\xE9"), CodePage::Windows1252, TextEncoding::Ansi, "café"},
        {"ansi 1252 undefined byte", bytesOf("[S]\nk=a\x81z"), CodePage::Windows1252,
         TextEncoding::Ansi, "a\uFFFDz"},
        {"950 lead byte cut off", bytesOf("[S]\nk=\xA4\xA4\xA4"), CodePage::Big5,
         TextEncoding::Ansi, "中\uFFFD"},
        {"utf16 odd byte count",
         {0xFF, 0xFE, '[', 0, 'S', 0, ']', 0, '\n', 0, 'k', 0, '=', 0, 'v', 0, 'w'},
         CodePage::Windows1252,
         TextEncoding::Utf16Le,
         "v"},
        {"utf16 lone surrogates",
         {0xFF, 0xFE, '[', 0, 'S',  0,    ']', 0, '\n', 0,
          'k',  0,    '=', 0, 0x00, 0xD8, 'a', 0, 0x00, 0xDC},
         CodePage::Windows1252,
         TextEncoding::Utf16Le,
         "\uFFFDa\uFFFD"},
        {"utf16 surrogate pair",
         {0xFF, 0xFE, '[', 0, 'S', 0, ']', 0, '\n', 0, 'k', 0, '=', 0, 0x3D, 0xD8, 0x00, 0xDE},
         CodePage::Windows1252,
         TextEncoding::Utf16Le,
         "\U0001F600"},
        {"nul inside a value", bytesOf(std::string_view("[S]\nk=a\0b", 9)), CodePage::Windows1252,
         TextEncoding::Ansi, std::string("a\0b", 3)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const IniFile file = IniFile::Parse(c.bytes, c.ansi);
        EXPECT_EQ(file.Encoding(), c.encoding);
        EXPECT_EQ(file.Value("S", "k"), c.expected);
    }
}

TEST(IniFileTest, EmptyAndMarkOnlyInputsGiveEmptyDocuments)
{
    const std::vector<std::vector<uint8_t>> inputs = {{}, {0xFF}, {0xFF, 0xFE}, {0xFF, 0xFE, 0x41}};
    for (const auto& bytes : inputs) {
        const IniFile file = IniFile::Parse(bytes, CodePage::Windows1252);
        EXPECT_FALSE(file.HasSection("S"));
        EXPECT_EQ(file.Value("S", "k"), std::nullopt);
    }
    // An existing empty file has no mark, so it is written without one, like the Windows
    // functions do with a file created empty.
    EXPECT_EQ(IniFile::Parse({}, CodePage::Windows1252).Encoding(), TextEncoding::Ansi);
}

struct LookupCase {
    const char* name;
    const char* text;
    const char* section;
    const char* key;
    std::optional<std::string> expected;
};

TEST(IniFileTest, FindsKeysWithThePrivateProfileRules)
{
    const std::vector<LookupCase> cases = {
        {"names trimmed in the file", "[ Setting ]\n  Single Color  =  1 \n", "Setting",
         "Single Color", "1"},
        {"names trimmed in the query", "[Setting]\nSingle Color=1\n", " Setting ", " Single Color",
         "1"},
        {"ascii case ignored", "[SETTING]\nbutton1=0x1\n", "setting", "BUTTON1", "0x1"},
        {"non-ascii case kept", "[S]\nIşık=1\n", "S", "IŞIK", std::nullopt},
        {"dotted i is not i", "[S]\nİsim=1\n", "S", "isim", std::nullopt},
        {"first duplicate key wins", "[S]\nk=first\nK=second\n", "S", "k", "first"},
        {"first duplicate section wins", "[S]\na=1\n[s]\nb=2\n", "S", "b", std::nullopt},
        {"other sections not searched", "[A]\nk=1\n[B]\nj=2\n", "B", "k", std::nullopt},
        {"comment is no key", "[S]\n;k=1\n", "S", ";k", std::nullopt},
        {"line without equals is no key", "[S]\nk\n", "S", "k", std::nullopt},
        {"empty value", "[S]\nk=\n", "S", "k", ""},
        {"first equals splits", "[S]\nk=a=b\n", "S", "k", "a=b"},
        {"quotes kept by Value", "[S]\nk=\"v\"\n", "S", "k", "\"v\""},
        {"CR line ends", "[S]\rk=v\r", "S", "k", "v"},
        {"CRLF line ends", "[S]\r\n\r\nk=v\r\n", "S", "k", "v"},
        {"header without bracket", "[S\nk=v\n", "S", "k", "v"},
        {"text after bracket ignored", "[S] trailing\nk=v\n", "S", "k", "v"},
        {"key before any section", "k=v\n[S]\n", "S", "k", std::nullopt},
        {"missing section", "[S]\nk=v\n", "T", "k", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(parseText(c.text).Value(c.section, c.key), c.expected);
    }
}

TEST(IniFileTest, GetStringStripsOnePairOfMatchingQuotes)
{
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"\"abc\"", "abc"}, {"'abc'", "abc"},     {"\"abc'", "\"abc'"},   {"\"", "\""},
        {"\"\"", ""},       {"\"a\"b\"", "a\"b"}, {"\"\"x\"\"", "\"x\""}, {" abc ", "abc"},
    };
    for (const auto& [stored, expected] : cases) {
        SCOPED_TRACE(stored);
        const IniFile file = parseText(std::string("[S]\nk=") + stored + "\n");
        EXPECT_EQ(file.GetString("S", "k", "fallback"), expected);
    }
    EXPECT_EQ(parseText("[S]\n").GetString("S", "k", "fallback"), "fallback");
}

TEST(IniFileTest, ParsesIntegersLikeGetPrivateProfileInt)
{
    const std::vector<std::pair<const char*, int32_t>> cases = {
        {"", 77},
        {"0", 0},
        {"42", 42},
        {"  42", 42},
        {"+42", 42},
        {"-42", -42},
        {"12abc", 12},
        {"abc", 0},
        {"0x1f", 31},
        {"0x1F", 31},
        {"0X1f", 0},
        {"0xffffffff", -1},
        {"0x80000000", INT32_MIN},
        {"0x100000001", 1},
        {"-0x10", -16},
        {"0x", 0},
        {"0xg", 0},
        {"0b101", 5},
        {"0b102", 2},
        {"0o17", 15},
        {"0o8", 0},
        {"4294967295", -1},
        {"4294967296", 0},
        {"2147483648", INT32_MIN},
        {"007", 7},
        {"- 5", 0},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ParseProfileInt(text, 77), expected);
    }
}

TEST(IniFileTest, GetIntReadsQuotedValuesAndFallsBackOnlyWhenEmpty)
{
    const IniFile file = parseText("[S]\nhex=0xffffffff\nquoted=\"12\"\nempty=\nblank=\"\"\n");
    EXPECT_EQ(file.GetInt("S", "hex", 5), -1);
    EXPECT_EQ(file.GetInt("S", "quoted", 5), 12);
    EXPECT_EQ(file.GetInt("S", "empty", 5), 5);
    EXPECT_EQ(file.GetInt("S", "blank", 5), 5);
    EXPECT_EQ(file.GetInt("S", "missing", 5), 5);
}

struct WriteCase {
    const char* name;
    const char* before;
    const char* section;
    const char* key;
    const char* value;
    const char* after;
};

TEST(IniFileTest, WritesKeysInPlaceOrAtTheEndOfTheirSection)
{
    const std::vector<WriteCase> cases = {
        {"rewrite keeps the file's spelling and place", "[S]\n  Single COLOR = 1 \nb=2\n", "s",
         " single color", "0", "[S]\r\nSingle COLOR=0\r\nb=2\r\n"},
        {"new key after the last line of its section", "[A]\na=1\n;note\n[B]\nb=2\n", "A", "c", "3",
         "[A]\r\na=1\r\n;note\r\nc=3\r\n[B]\r\nb=2\r\n"},
        {"new section at the end", "[A]\na=1\n", " B ", " k ", "v", "[A]\r\na=1\r\n[B]\r\nk=v\r\n"},
        {"only the first duplicate is rewritten", "[S]\nk=1\nk=2\n", "S", "k", "9",
         "[S]\r\nk=9\r\nk=2\r\n"},
        {"comments and stray lines stay, blank lines go", "; top\n\n[S]\n\n  junk line\nk=1\n\n",
         "S", "k", "2", "; top\r\n[S]\r\n  junk line\r\nk=2\r\n"},
        {"line breaks in a value become spaces", "", "S", "k", "a\r\nb\nc", "[S]\r\nk=a  b c\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        IniFile file = parseText(c.before);
        ASSERT_TRUE(file.SetString(c.section, c.key, c.value));
        const auto bytes = file.Serialize();
        EXPECT_EQ(std::string(bytes.begin(), bytes.end()), c.after);
    }
}

TEST(IniFileTest, RefusesNamesThatWouldNotReadBack)
{
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"", "k"},   {"  ", "k"}, {"S", ""},    {"S", " \t "}, {"S", "a=b"},
        {"S", "[k"}, {"S", ";k"}, {"a]b", "k"}, {"S\n", "k"},  {"S", "k\rx"},
    };
    for (const auto& [section, key] : cases) {
        SCOPED_TRACE(std::string(section) + "|" + key);
        IniFile file = parseText("[S]\nk=1\n");
        const auto before = file.Serialize();
        EXPECT_FALSE(file.SetString(section, key, "v"));
        EXPECT_EQ(file.Serialize(), before);
    }
}

TEST(IniFileTest, NewDocumentIsUtf16LittleEndianWithMarkAndCrlf)
{
    IniFile file;
    ASSERT_TRUE(file.SetString("Setting", "Işık", "0x1"));
    EXPECT_EQ(file.Serialize(), utf16le("[Setting]\r\nIşık=0x1\r\n"));
}

TEST(IniFileTest, UnchangedFilesSerializeToTheirOwnBytes)
{
    const std::vector<std::pair<std::vector<uint8_t>, CodePage>> cases = {
        {utf16le("[Setting]\r\nTek renk=0x1\r\n; not a key\r\n"), CodePage::Windows1252},
        {{0xFE, 0xFF, 0, '[', 0, 'S', 0, ']', 0, '\r', 0, '\n'}, CodePage::Windows1252},
        {bytesOf("\xEF\xBB\xBF[S]\r\nk=\xC3\xBC\r\n"), CodePage::Windows1252},
        {bytesOf("[S]\r\nk=\xDE\r\n"), CodePage::Windows1254},
        {bytesOf("[S]\r\nk=\xA4\xA4\r\n"), CodePage::Big5},
        {bytesOf("[MacroNum]\r\nNumber=2\r\n"), CodePage::Windows1252},
    };
    for (const auto& [bytes, ansi] : cases) {
        EXPECT_EQ(IniFile::Parse(bytes, ansi).Serialize(), bytes);
    }
}

TEST(IniFileTest, CodePageFileTakesACharacterItCannotHoldAsUtf8)
{
    IniFile file = parseText("[S]\r\nk=\xDE\r\n", CodePage::Windows1254);
    ASSERT_TRUE(file.SetString("S", "j", "ş"));
    EXPECT_EQ(file.Serialize(), bytesOf("[S]\r\nk=\xDE\r\nj=\xFE\r\n"));

    ASSERT_TRUE(file.SetString("S", "name", "巨集"));
    const auto bytes = file.Serialize();
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "[S]\r\nk=Ş\r\nj=ş\r\nname=巨集\r\n");
    const IniFile reread = IniFile::Parse(bytes, CodePage::Windows1254);
    EXPECT_EQ(reread.Value("S", "k"), "Ş");
    EXPECT_EQ(reread.Value("S", "name"), "巨集");
}

TEST(IniFileTest, TextThatWouldStartWithAMarkGetsARealOne)
{
    // Once the blank first line goes, the code-page bytes FF FE would open the file.
    const IniFile file = parseText("\n\xFF\xFE=x\n[S]\nk=v\n", CodePage::Windows1252);
    const auto bytes = file.Serialize();
    EXPECT_EQ(bytes, bytesOf("\xEF\xBB\xBF\xC3\xBF\xC3\xBE=x\r\n[S]\r\nk=v\r\n"));
    EXPECT_EQ(IniFile::Parse(bytes, CodePage::Windows1252).Value("S", "k"), "v");
}

TEST(IniFileTest, HugeLineAndManyLinesParse)
{
    std::string text = "[S]\nk=" + std::string(1 << 20, 'x') + "\n";
    for (int i = 0; i < 20000; ++i) {
        text += "[" + std::to_string(i) + "\n";
    }
    const IniFile file = parseText(text);
    EXPECT_EQ(file.Value("S", "k")->size(), std::size_t{1} << 20);
    EXPECT_TRUE(file.HasSection("19999"));
}

} // namespace
} // namespace bexlan
