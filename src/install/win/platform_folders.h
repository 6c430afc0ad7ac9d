// This machine's answers to the folder queries that the base folders are made from.
#pragma once

#include "install/install_paths.h"

namespace sk {

// Windows, system, temporary and documents folders; a query that fails leaves its text empty.
PlatformFolders QueryPlatformFolders();

}  // namespace sk
