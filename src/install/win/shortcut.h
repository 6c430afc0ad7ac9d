// Shell links (.lnk files) through the shell's link object.
#pragma once

#include <string>

namespace sk {

// A link to target, started in target's folder, shown normally, with description; saved at
// linkPath, whose folder must exist. True only when the file was saved.
bool CreateShortcut(const std::string& target, const std::string& linkPath, const std::string& description);

}  // namespace sk
