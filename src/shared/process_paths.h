// Where the running program lives and where it keeps its temporary files.
#pragma once

#include <string>

namespace sk {

// Both programs read these paths into 255-byte buffers; a path that does not fit is a failure
// rather than a silently cut name.
inline constexpr unsigned long kPathBufferBytes = 255;

// Full path of the running program. False when it cannot be had or is too long.
bool GetOwnPath(std::string& path);
// The user's temporary folder, with its trailing backslash. False when it cannot be had or is
// too long.
bool GetTempFolder(std::string& folder);

}  // namespace sk
