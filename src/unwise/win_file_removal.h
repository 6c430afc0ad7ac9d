// What the uninstaller does to files and folders on this machine.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sk {

// Size of a file (64-bit); nothing when there is no such file.
std::optional<std::int64_t> FileSizeOf(const std::string& path);
// Gives the file normal attributes and deletes it; true when it is gone. A file that is still
// in use or denied stays, quietly: no step of the removal ends on one file.
bool DeleteFileNormal(const std::string& path);
// Deletes every file below folder and the sub-folders that become empty; the folder stays.
void EmptyFolder(const std::string& folder);
// Empties the folder and removes it, unless MayRemoveTree refuses it against the machine's
// protected folders (empty text, a root, a system folder or one above it).
void RemoveFolderTree(const std::string& folder);
// The files below folder, in the order found, sub-folders' files where they are met; folders
// themselves are never listed.
std::vector<std::string> ListRemainingFiles(const std::string& folder);

}  // namespace sk
