#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace bexlan {

// The mouse ships under two vendor IDs and two product IDs, in any pairing.
inline constexpr std::array<uint16_t, 2> kMouseVendorIds{0x258A, 0x1B80};
inline constexpr std::array<uint16_t, 2> kMouseProductIds{0x1FF0, 0xB412};
inline constexpr uint16_t kMouseUsagePage = 0xFF00;

// Feature-report lengths of the two vendor interfaces, report ID byte included.
inline constexpr std::size_t kSettingsInterfaceLength = 8;
inline constexpr std::size_t kButtonMapInterfaceLength = 2049;

constexpr bool IsMouseId(uint16_t vendorId, uint16_t productId)
{
    return std::find(kMouseVendorIds.begin(), kMouseVendorIds.end(), vendorId) !=
               kMouseVendorIds.end() &&
           std::find(kMouseProductIds.begin(), kMouseProductIds.end(), productId) !=
               kMouseProductIds.end();
}

} // namespace bexlan
