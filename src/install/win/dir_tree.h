// Creating the folders along a path.
#pragma once

#include <string>

namespace sk {

// Creates each missing folder before a backslash of path, shortest first; the part after the
// last backslash is never created. Best effort: failures show later, when a file cannot be
// opened there.
void CreateDirTree(const std::string& path);

}  // namespace sk
