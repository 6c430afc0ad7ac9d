#include "setup_ui/splash_progress.h"

#include <cstdint>

namespace sk {

SplashTick NextSplashTick(int counter, int durationMs) {
  const int now = counter + kSplashTickMs;
  if (durationMs <= 0) return {now, 1000, true};
  const auto progress = static_cast<std::int64_t>(now) * 1000 / durationMs;
  return {now, static_cast<int>(progress), now >= durationMs};
}

}  // namespace sk
