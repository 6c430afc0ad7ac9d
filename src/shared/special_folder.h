// Paths of the shell's special folders, shared by setup's shortcuts and unwise's group walk.
#pragma once

#include <string>

namespace sk {

// Not a CSIDL of the platform: the user's Quick Launch folder.
inline constexpr int kQuickLaunchFolder = 1124;

// The folder of a CSIDL code (or kQuickLaunchFolder), ending in a backslash; false when the
// platform does not know it.
bool GetSpecialFolder(int code, std::string& path);

}  // namespace sk
