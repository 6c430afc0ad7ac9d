#include "install/copy_progress.h"

#include <algorithm>

namespace sk {
namespace {

constexpr std::int64_t kMaxChunk = 4096;

std::int64_t TenthClamped(std::int64_t size) { return std::clamp<std::int64_t>(size / 10, 1, kMaxChunk); }

}  // namespace

PlainCopyPlan PlanPlainCopy(std::int64_t size, std::int64_t delayMs) {
  PlainCopyPlan plan;
  plan.chunk = TenthClamped(size);
  plan.chunkCount = std::max<std::int64_t>(size / plan.chunk, 1);
  plan.pauseMs = delayMs / plan.chunkCount;
  return plan;
}

std::optional<int> PlainCopyBarPosition(const PlainCopyPlan& plan, std::int64_t index) {
  const std::int64_t percent = index * 100 / plan.chunkCount;
  if (percent % 10 != 0) return std::nullopt;
  return static_cast<int>(percent);
}

UnzipPlan PlanUnzip(std::int64_t uncompressedSize, std::int64_t delayMs) {
  UnzipPlan plan;
  plan.chunk = TenthClamped(uncompressedSize);
  plan.divisor = std::max<std::int64_t>(uncompressedSize / kMaxChunk, 1);
  plan.pauseMs = delayMs / 20;
  return plan;
}

std::optional<std::int64_t> UnzipReport(const UnzipPlan& plan, std::int64_t index) {
  const std::int64_t percent = (index + 1) * 100 / plan.divisor;
  if (percent % 10 != 0) return std::nullopt;
  return percent;
}

}  // namespace sk
