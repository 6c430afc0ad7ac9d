// Where things go on the target machine: the base folders, the default-folder macros, and the
// destinations of file entries and keyword-prefixed paths. Pure: nothing here touches the
// machine; the Win32 layer supplies the platform's answers and creates folders.
//
// Paths are GBK byte strings with backslashes; every backslash search skips the trail bytes of
// double-byte characters.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "package/setup_config.h"

namespace sk {

// What the platform reports, as its folder queries return it.
struct PlatformFolders {
  std::string windowsDir;     // GetWindowsDirectoryA
  std::string systemDir;      // GetSystemDirectoryA
  std::string tempPath;       // GetTempPathA, usually with a trailing backslash
  std::string documentsDir;   // the user's documents folder (CSIDL_PERSONAL)
};

// The six folders every destination resolves against; none ends in a backslash unless the
// platform returned a drive root.
struct BaseFolders {
  std::string windows;
  std::string system;
  std::string temp;
  std::string user;      // the documents folder's parent
  std::string sysDrive;  // the documents folder's drive, such as C:
  std::string install;
};

// installFolder: the folder chosen for this run, held with a trailing backslash.
BaseFolders MakeBaseFolders(const PlatformFolders& platform, const std::string& installFolder);

// The default-folder macro of the folder page as a folder ending in a backslash.
std::string ResolveFolderMacro(std::string_view macro, const PlatformFolders& platform);

const std::string& BaseFolderOf(const BaseFolders& folders, std::int32_t folderKind);

// base folder \ sub-folder \ name, without doubled separators between the parts.
std::string InstalledPath(const FileEntry& entry, const BaseFolders& folders);

// KEYWORD\rest → base folder of the keyword followed by \rest; any other keyword, or none,
// means the install folder.
std::string ResolveFolderPath(std::string_view text, const BaseFolders& folders);

// The folders CreateDirTree checks and creates for a path, shortest first: every prefix that
// ends before a backslash. The part after the last backslash is never among them.
std::vector<std::string> DirTreePrefixes(std::string_view path);

// Whether a path names a library that registers itself: the text after its last dot is dll or
// ocx in any letter case.
bool IsSelfRegistering(std::string_view path);

}  // namespace sk
