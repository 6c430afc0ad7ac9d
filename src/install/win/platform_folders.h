// This machine's answers to the folder queries that the base folders and the shortcuts are
// made from.
#pragma once

#include "install/finish_plan.h"
#include "install/install_paths.h"

namespace sk {

// Windows, system, temporary and documents folders; a query that fails leaves its text empty.
PlatformFolders QueryPlatformFolders();
// Quick Launch, the desktop, the start menu and its Programs; a folder the platform does not
// know stays empty.
ShortcutFolders QueryShortcutFolders();

}  // namespace sk
