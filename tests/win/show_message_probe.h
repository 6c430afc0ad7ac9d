// What the ShowMessage probe and its tests agree on.
#pragma once

namespace sk::test {

inline constexpr int kProbeFields = 8;
inline constexpr int kProbeExitBase = 100;

}  // namespace sk::test
