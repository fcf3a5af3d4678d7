#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <system_error>
#include <vector>

namespace bexlan {

// Replaces the file at `target` by `bytes` so that a reader sees either the old file or the
// whole new one: the bytes go to a temporary file in the same folder, are flushed to disk and
// then renamed over the target. A symbolic link is followed and the file it names replaced;
// an existing file keeps its permission bits, and one without write permission is refused. Returns
// false on any failure, with the old file untouched and no temporary file left behind; `error`,
// when given, says why.
bool WriteFileAtomically(const std::filesystem::path& target, std::span<const uint8_t> bytes,
                         std::error_code* error = nullptr);

// The whole content of a regular file, or nullopt when it is missing, unreadable, not a
// regular file, or larger than `maxBytes`.
std::optional<std::vector<uint8_t>> ReadFileBytes(const std::filesystem::path& path,
                                                  std::size_t maxBytes);

} // namespace bexlan
