// The system's handle for each registry root a package or setup.log may name.
#pragma once

#include <windows.h>

#include "package/registry_layout.h"

namespace sk {

HKEY RootKey(RegRoot root);

}  // namespace sk
