#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace bexlan {

// What a device interface offers per top-level collection, counted the way the Windows HID
// capabilities are: a report's byte length is its largest report in bytes plus one byte for
// the report ID, which is counted even when the descriptor uses no report IDs. A collection
// without reports of a kind has length 0 for it.
struct TopLevelCollection {
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    std::size_t inputReportByteLength = 0;
    std::size_t outputReportByteLength = 0;
    std::size_t featureReportByteLength = 0;
};

enum class DescriptorError {
    None,
    Empty,
    TruncatedItem,
    LongItem,     // no long-item tags are defined; a mouse never sends one
    ReservedItem, // short item of the reserved type, or an undefined main-item tag
    PopWithoutPush,
    PushTooDeep,
    EndWithoutCollection,
    UnclosedCollection,
    CollectionTooDeep,
    MainItemOutsideCollection,
    BadReportId,    // 0 or above 255
    ReportTooLarge, // a report count or size beyond any real device
    TooManyCollections,
};

std::string_view DescriptorErrorText(DescriptorError error);

struct ParsedDescriptor {
    DescriptorError error = DescriptorError::None;
    std::vector<TopLevelCollection> collections; // in descriptor order; empty on error

    bool ok() const { return error == DescriptorError::None; }
};

// Largest report we accept, ID byte included: the kernel's hidraw buffer limit.
inline constexpr std::size_t kMaxReportByteLength = 16384;

// Parses a HID report descriptor (HID 1.11, section 6.2.2). Never reads outside `bytes`;
// any malformed input gives an error and no collections.
ParsedDescriptor ParseReportDescriptor(std::span<const uint8_t> bytes);

} // namespace bexlan
