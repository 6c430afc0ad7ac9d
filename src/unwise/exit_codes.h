// Exit status of unwise.exe, for whoever starts it (tests and scripts among them).
#pragma once

namespace sk {

inline constexpr int kUnwiseExitOk = 0;
// The uninstaller's settings could not be read from its own file.
inline constexpr int kUnwiseExitStartFailed = 3;

}  // namespace sk
