// What the uninstaller does to the registry of this machine.
#pragma once

#include <windows.h>

#include <string>

#include "package/registry_layout.h"
#include "shared/registry_root.h"

namespace sk {

// Deletes the key and everything below it, children first; true when the key could be opened.
bool DeleteRegTree(HKEY root, const std::string& path);
// Deletes one value of the key; true when the key could be opened.
bool DeleteRegValue(HKEY root, const std::string& path, const std::string& name);
// Deletes the key only when it has no subkeys left.
void DeleteRegKey(HKEY root, const std::string& path);

}  // namespace sk
