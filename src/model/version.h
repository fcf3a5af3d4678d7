#pragma once

namespace bexlan {

inline constexpr const char* kVersion = "0.1.0";

} // namespace bexlan
