#include "device/report_descriptor.h"

#include <algorithm>
#include <array>
#include <map>
#include <tuple>

namespace bexlan {

namespace {

// Item types of the prefix byte, bits 3-2.
enum class ItemType : uint8_t { Main = 0, Global = 1, Local = 2, Reserved = 3 };

// Tags of the prefix byte, bits 7-4, per type.
enum MainTag : uint8_t {
    kInput = 0x8,
    kOutput = 0x9,
    kCollection = 0xA,
    kFeature = 0xB,
    kEndCollection = 0xC
};
enum GlobalTag : uint8_t {
    kUsagePage = 0x0,
    kReportSize = 0x7,
    kReportId = 0x8,
    kReportCount = 0x9,
    kPush = 0xA,
    kPop = 0xB
};
enum LocalTag : uint8_t { kUsage = 0x0 };

constexpr uint8_t kLongItemPrefix = 0xFE;
constexpr std::size_t kMaxPushDepth = 32;
constexpr std::size_t kMaxCollectionDepth = 32;
constexpr std::size_t kMaxTopLevelCollections = 64;
constexpr uint64_t kMaxReportBits = (kMaxReportByteLength - 1) * 8;

enum class ReportKind : uint8_t { Input, Output, Feature };

struct GlobalState {
    uint16_t usagePage = 0;
    uint32_t reportSize = 0;
    uint32_t reportCount = 0;
    uint8_t reportId = 0;
};

struct LocalState {
    bool hasUsage = false;
    bool usageHasPage = false; // a 4-byte usage carries its own page in the high half
    uint32_t firstUsage = 0;
};

// Bits declared so far per report, keyed by collection, kind and report ID.
using ReportKey = std::tuple<std::size_t, ReportKind, uint8_t>;

class Parser {
public:
    DescriptorError run(std::span<const uint8_t> bytes);
    std::vector<TopLevelCollection> collections() const;

private:
    DescriptorError mainItem(uint8_t tag, uint32_t data);
    DescriptorError globalItem(uint8_t tag, uint32_t data);
    void localItem(uint8_t tag, uint32_t data, std::size_t size);
    DescriptorError addReport(ReportKind kind);

    GlobalState m_global;
    std::vector<GlobalState> m_stack;
    LocalState m_local;
    std::size_t m_depth = 0;
    std::vector<TopLevelCollection> m_collections;
    std::map<ReportKey, uint64_t> m_reports;
};

DescriptorError Parser::run(std::span<const uint8_t> bytes)
{
    if (bytes.empty())
        return DescriptorError::Empty;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        // Short item prefix: bits 1-0 size code (0, 1, 2 or 4 data bytes), bits 3-2 type,
        // bits 7-4 tag; the data follows little-endian.
        const uint8_t prefix = bytes[pos];
        if (prefix == kLongItemPrefix)
            return DescriptorError::LongItem;
        static constexpr std::array<std::size_t, 4> kSizes{0, 1, 2, 4};
        const std::size_t size = kSizes[prefix & 0x03];
        if (bytes.size() - pos - 1 < size)
            return DescriptorError::TruncatedItem;
        uint32_t data = 0;
        for (std::size_t i = 0; i < size; ++i)
            data |= uint32_t{bytes[pos + 1 + i]} << (8 * i);
        pos += 1 + size;

        const auto type = static_cast<ItemType>((prefix >> 2) & 0x03);
        const uint8_t tag = prefix >> 4;
        DescriptorError error = DescriptorError::None;
        switch (type) {
        case ItemType::Main:
            error = mainItem(tag, data);
            break;
        case ItemType::Global:
            error = globalItem(tag, data);
            break;
        case ItemType::Local:
            localItem(tag, data, size);
            break;
        case ItemType::Reserved:
            error = DescriptorError::ReservedItem;
            break;
        }
        if (error != DescriptorError::None)
            return error;
    }
    if (m_depth != 0)
        return DescriptorError::UnclosedCollection;
    return DescriptorError::None;
}

DescriptorError Parser::mainItem(uint8_t tag, uint32_t data)
{
    (void)data; // flags of input/output/feature items and the collection type do not matter
    DescriptorError error = DescriptorError::None;
    switch (tag) {
    case kInput:
        error = addReport(ReportKind::Input);
        break;
    case kOutput:
        error = addReport(ReportKind::Output);
        break;
    case kFeature:
        error = addReport(ReportKind::Feature);
        break;
    case kCollection:
        if (m_depth == kMaxCollectionDepth) {
            error = DescriptorError::CollectionTooDeep;
            break;
        }
        if (m_depth == 0) {
            if (m_collections.size() == kMaxTopLevelCollections) {
                error = DescriptorError::TooManyCollections;
                break;
            }
            TopLevelCollection collection;
            collection.usagePage = m_local.usageHasPage
                                       ? static_cast<uint16_t>(m_local.firstUsage >> 16)
                                       : m_global.usagePage;
            collection.usage = static_cast<uint16_t>(m_local.firstUsage & 0xFFFF);
            m_collections.push_back(collection);
        }
        ++m_depth;
        break;
    case kEndCollection:
        if (m_depth == 0) {
            error = DescriptorError::EndWithoutCollection;
            break;
        }
        --m_depth;
        break;
    default:
        error = DescriptorError::ReservedItem;
        break;
    }
    // Local items apply to the next main item only.
    m_local = LocalState{};
    return error;
}

DescriptorError Parser::globalItem(uint8_t tag, uint32_t data)
{
    switch (tag) {
    case kUsagePage:
        m_global.usagePage = static_cast<uint16_t>(data & 0xFFFF);
        break;
    case kReportSize:
        m_global.reportSize = data;
        break;
    case kReportCount:
        m_global.reportCount = data;
        break;
    case kReportId:
        if (data == 0 || data > 0xFF)
            return DescriptorError::BadReportId;
        m_global.reportId = static_cast<uint8_t>(data);
        break;
    case kPush:
        if (m_stack.size() == kMaxPushDepth)
            return DescriptorError::PushTooDeep;
        m_stack.push_back(m_global);
        break;
    case kPop:
        if (m_stack.empty())
            return DescriptorError::PopWithoutPush;
        m_global = m_stack.back();
        m_stack.pop_back();
        break;
    default:
        break; // logical/physical ranges and units do not change any length
    }
    return DescriptorError::None;
}

void Parser::localItem(uint8_t tag, uint32_t data, std::size_t size)
{
    if (tag != kUsage || m_local.hasUsage)
        return;
    m_local.hasUsage = true;
    m_local.usageHasPage = size == 4;
    m_local.firstUsage = data;
}

DescriptorError Parser::addReport(ReportKind kind)
{
    if (m_depth == 0 || m_collections.empty())
        return DescriptorError::MainItemOutsideCollection;
    // Both factors are below 2^32, so the product cannot overflow 64 bits.
    const uint64_t bits = uint64_t{m_global.reportSize} * m_global.reportCount;
    if (bits > kMaxReportBits)
        return DescriptorError::ReportTooLarge;
    uint64_t& total = m_reports[{m_collections.size() - 1, kind, m_global.reportId}];
    total += bits;
    if (total > kMaxReportBits)
        return DescriptorError::ReportTooLarge;
    return DescriptorError::None;
}

std::vector<TopLevelCollection> Parser::collections() const
{
    std::vector<TopLevelCollection> result = m_collections;
    for (const auto& [key, bits] : m_reports) {
        const std::size_t collection = std::get<0>(key);
        const ReportKind kind = std::get<1>(key);
        // Whole bytes of data, plus the report ID byte.
        const std::size_t length = static_cast<std::size_t>((bits + 7) / 8) + 1;
        TopLevelCollection& c = result[collection];
        std::size_t& target = kind == ReportKind::Input    ? c.inputReportByteLength
                              : kind == ReportKind::Output ? c.outputReportByteLength
                                                           : c.featureReportByteLength;
        target = std::max(target, length);
    }
    return result;
}

} // namespace

std::string_view DescriptorErrorText(DescriptorError error)
{
    switch (error) {
    case DescriptorError::None:
        return "no error";
    case DescriptorError::Empty:
        return "empty report descriptor";
    case DescriptorError::TruncatedItem:
        return "report descriptor ends inside an item";
    case DescriptorError::LongItem:
        return "report descriptor contains a long item";
    case DescriptorError::ReservedItem:
        return "report descriptor contains a reserved item";
    case DescriptorError::PopWithoutPush:
        return "report descriptor pops more than it pushed";
    case DescriptorError::PushTooDeep:
        return "report descriptor pushes too deep";
    case DescriptorError::EndWithoutCollection:
        return "report descriptor ends a collection it never opened";
    case DescriptorError::UnclosedCollection:
        return "report descriptor leaves a collection open";
    case DescriptorError::CollectionTooDeep:
        return "report descriptor nests collections too deep";
    case DescriptorError::MainItemOutsideCollection:
        return "report descriptor declares a report outside any collection";
    case DescriptorError::BadReportId:
        return "report descriptor uses an invalid report ID";
    case DescriptorError::ReportTooLarge:
        return "report descriptor declares an oversized report";
    case DescriptorError::TooManyCollections:
        return "report descriptor has too many collections";
    }
    return "unknown report descriptor error";
}

ParsedDescriptor ParseReportDescriptor(std::span<const uint8_t> bytes)
{
    Parser parser;
    ParsedDescriptor result;
    result.error = parser.run(bytes);
    if (result.ok())
        result.collections = parser.collections();
    return result;
}

} // namespace bexlan
