// The arithmetic of copying one file in visible steps: chunk sizes, the per-file bar positions
// and the pauses that keep even small files on the screen for the configured time.
#pragma once

#include <cstdint>
#include <optional>

namespace sk {

// A plain copy goes in about ten chunks of at most 4096 bytes; the configured per-file delay is
// spread over them.
struct PlainCopyPlan {
  std::int64_t chunk;       // bytes per read, 1 to 4096
  std::int64_t chunkCount;  // size / chunk, at least 1
  std::int64_t pauseMs;     // sleep after each chunk
};
PlainCopyPlan PlanPlainCopy(std::int64_t size, std::int64_t delayMs);
// The bar position set before the pause of chunk index (0 first), if any: 100 * index /
// chunkCount when that is a multiple of ten.
std::optional<int> PlainCopyBarPosition(const PlainCopyPlan& plan, std::int64_t index);

// An unzip reads the member in chunks of about a tenth of its size, at most 4096 bytes, and
// reports 100 * chunks read / divisor; for members under 40960 bytes that exceeds 100, and the
// copying page clamps it.
struct UnzipPlan {
  std::int64_t chunk;    // bytes per read, 1 to 4096
  std::int64_t divisor;  // uncompressed size / 4096, at least 1
  std::int64_t pauseMs;  // sleep after each report
};
UnzipPlan PlanUnzip(std::int64_t uncompressedSize, std::int64_t delayMs);
// The percent reported after the read of chunk index (0 first), if any.
std::optional<std::int64_t> UnzipReport(const UnzipPlan& plan, std::int64_t index);

}  // namespace sk
