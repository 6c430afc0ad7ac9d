// The icon of setup's windows: the package's icon block, or the program's own icon 128 when
// the package has none.
#pragma once

#include <windows.h>

#include <string>

#include "package/setup_config.h"

namespace sk {

// Null when the block is present but no icon. The caller destroys an icon made from the
// block; the resource icon is shared and needs no destroying either way (DestroyIcon refuses
// it harmlessly).
HICON LoadPackageIcon(const std::string& ownPath, const BlockRef& iconBlock);

}  // namespace sk
