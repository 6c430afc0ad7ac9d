// The splash counts down its duration in ticks of 10 ms; the preparing dialog's bar shows the
// share done on a scale of 0 to 1000.
#pragma once

namespace sk {

inline constexpr int kSplashTickMs = 10;

struct SplashTick {
  int counter;   // milliseconds counted after this tick
  int progress;  // bar position
  bool done;     // the splash ends with this tick
};

// counter: milliseconds counted before this tick. A duration of 0 or less ends the splash at
// its first tick with a full bar.
SplashTick NextSplashTick(int counter, int durationMs);

}  // namespace sk
