// An icon made from the bytes of an icon file (the package's icon block).
#pragma once

#include <windows.h>

namespace sk {

// Null when the bytes are no icon. The icon is the caller's (DestroyIcon).
HICON LoadIconFromBytes(const void* bytes, long length);

}  // namespace sk
