#include "model/macro_file.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "model/atomic_file.h"

namespace bexlan {

namespace {

uint32_t readUint32(std::span<const uint8_t> bytes, std::size_t at)
{
    return static_cast<uint32_t>(bytes[at]) | static_cast<uint32_t>(bytes[at + 1]) << 8 |
           static_cast<uint32_t>(bytes[at + 2]) << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}

bool hasSignature(std::span<const uint8_t> head)
{
    return head.size() >= MacroSignature.size() &&
           std::equal(MacroSignature.begin(), MacroSignature.end(), head.begin());
}

// Clears the library's macros and fills them from `records`, the bytes after the header
// (possibly fewer than `count` whole records).
void takeRecords(uint32_t count, std::span<const uint8_t> records, MacroLibrary& library)
{
    library.HotMacroRow = 0;
    library.SelectedMacro = 0;
    library.MacroListTop = 0;
    library.MacroCount = std::min(count, kMaxMacroCount);
    library.MacroSlots.fill(MacroRecord{});
    for (uint32_t i = 0; i < library.MacroCount; ++i) {
        const std::size_t start = static_cast<std::size_t>(i) * kMacroRecordSize;
        if (start >= records.size())
            break;
        // A record cut short by the end of the file keeps zero bytes where data is missing.
        MacroRecord::Image image{};
        const std::size_t available = std::min(kMacroRecordSize, records.size() - start);
        std::copy_n(records.begin() + static_cast<std::ptrdiff_t>(start), available, image.begin());
        library.MacroSlots[i] = MacroRecord::FromImage(image);
    }
}

// Leading decimal digits of `text`, saturating far above any count that matters.
uint32_t leadingNumber(std::string_view text)
{
    uint32_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        value = std::min<uint32_t>(value * 10 + static_cast<uint32_t>(c - '0'), 1'000'000);
    }
    return value;
}

// At most kMaxMacroNameLength UTF-16 units, never splitting a surrogate pair.
std::string limitNameLength(const std::string& name)
{
    if (name.size() <= kMaxMacroNameLength)
        return name; // UTF-8 never needs fewer bytes than UTF-16 units
    std::u16string wide = Utf8ToUtf16(name);
    if (wide.size() <= kMaxMacroNameLength)
        return name;
    std::size_t cut = kMaxMacroNameLength;
    if (wide[cut - 1] >= 0xD800 && wide[cut - 1] <= 0xDBFF)
        --cut;
    wide.resize(cut);
    return Utf16ToUtf8(wide);
}

} // namespace

std::string MacroNameFilePathFor(std::string_view macroFilePath)
{
    const std::size_t slash = macroFilePath.rfind('/');
    const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
    const std::size_t dot = macroFilePath.rfind('.');
    if (dot == std::string_view::npos || dot < nameStart)
        return std::string(macroFilePath) + ".name";
    return std::string(macroFilePath.substr(0, dot + 1)) + "name";
}

MacroReadStatus ReadMacroFileBytes(std::span<const uint8_t> bytes, MacroLibrary& library)
{
    if (bytes.size() < kMacroHeadSize || !hasSignature(bytes))
        return MacroReadStatus::NotMacroFile;
    takeRecords(readUint32(bytes, kMacroCountOffset), bytes.subspan(kMacroHeadSize), library);
    return MacroReadStatus::Read;
}

MacroReadStatus ReadMacroFile(MacroLibrary& library)
{
    const std::filesystem::path path(library.MacroFilePath);
    std::error_code error;
    if (library.MacroFilePath.empty() || !std::filesystem::is_regular_file(path, error))
        return MacroReadStatus::NotOpened;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return MacroReadStatus::NotOpened;

    std::array<uint8_t, kMacroHeadSize> head{};
    in.read(reinterpret_cast<char*>(head.data()), static_cast<std::streamsize>(head.size()));
    if (static_cast<std::size_t>(in.gcount()) < head.size() || !hasSignature(head))
        return MacroReadStatus::NotMacroFile;

    // Only the records that are used are read, however large the file or its count.
    const uint32_t count = std::min(readUint32(head, kMacroCountOffset), kMaxMacroCount);
    std::vector<uint8_t> records(static_cast<std::size_t>(count) * kMacroRecordSize);
    in.read(reinterpret_cast<char*>(records.data()), static_cast<std::streamsize>(records.size()));
    records.resize(static_cast<std::size_t>(in.gcount()));
    takeRecords(count, records, library);
    return MacroReadStatus::Read;
}

void ReadMacroNames(const IniFile& names, MacroLibrary& library)
{
    for (std::string& name : library.MacroNames)
        name.clear();
    const uint32_t count = std::min<uint32_t>(
        leadingNumber(names.GetString(kMacroNumSection, kMacroNumberKey, "")), kMacroSlotCount);
    for (uint32_t i = 0; i < count; ++i) {
        const std::string key = "Macro_" + std::to_string(i + 1);
        library.MacroNames[i] = limitNameLength(names.GetString(kMacroNameSection, key, ""));
    }
}

void ReadMacroNames(MacroLibrary& library, CodePage ansi)
{
    std::optional<IniFile> names;
    if (!library.MacroNameFilePath.empty())
        names = IniFile::Load(std::filesystem::path(library.MacroNameFilePath), ansi);
    ReadMacroNames(names ? *names : IniFile(), library);
}

MacroReadStatus LoadMacroLibrary(MacroLibrary& library, std::string_view path, CodePage ansi)
{
    library.MacroFilePath = std::string(path);
    library.MacroNameFilePath = MacroNameFilePathFor(path);
    const MacroReadStatus status = ReadMacroFile(library);
    ReadMacroNames(library, ansi);
    return status;
}

std::vector<uint8_t> BuildMacroFile(const MacroLibrary& library)
{
    const uint32_t count = std::min(library.MacroCount, kMaxMacroCount);
    std::vector<uint8_t> bytes(kMacroHeadSize + static_cast<std::size_t>(count) * kMacroRecordSize);
    std::copy(MacroSignature.begin(), MacroSignature.end(), bytes.begin());
    for (int i = 0; i < 4; ++i)
        bytes[kMacroCountOffset + static_cast<std::size_t>(i)] =
            static_cast<uint8_t>(count >> (8 * i));
    for (uint32_t i = 0; i < count; ++i) {
        const std::size_t start = kMacroHeadSize + static_cast<std::size_t>(i) * kMacroRecordSize;
        library.MacroSlots[i].ToImage(
            std::span<uint8_t, kMacroRecordSize>(bytes.data() + start, kMacroRecordSize));
    }
    return bytes;
}

IniFile BuildMacroNameFile(const MacroLibrary& library)
{
    const uint32_t count = std::min(library.MacroCount, kMaxMacroCount);
    IniFile names(TextEncoding::Utf16Le);
    names.SetString(kMacroNumSection, kMacroNumberKey, std::to_string(count));
    for (uint32_t i = 0; i < count; ++i)
        names.SetString(kMacroNameSection, "Macro_" + std::to_string(i + 1), library.MacroNames[i]);
    return names;
}

MacroSaveStatus SaveMacroLibrary(const MacroLibrary& library)
{
    if (library.MacroFilePath.empty())
        return MacroSaveStatus::NoPath;
    if (!WriteFileAtomically(std::filesystem::path(library.MacroFilePath), BuildMacroFile(library)))
        return MacroSaveStatus::MacroFileFailed;
    // Written from scratch, so names of deleted macros disappear; the rename replaces the
    // old name file only once the new one is complete.
    if (library.MacroNameFilePath.empty() ||
        !BuildMacroNameFile(library).Save(std::filesystem::path(library.MacroNameFilePath)))
        return MacroSaveStatus::NameFileFailed;
    return MacroSaveStatus::Saved;
}

} // namespace bexlan
