// Exit status of setup.exe, for whoever starts it (tests and scripts among them).
#pragma once

namespace sk {

inline constexpr int kSetupExitOk = 0;
// The package could not be read, or the uninstaller could not be written.
inline constexpr int kSetupExitStartFailed = 3;

}  // namespace sk
