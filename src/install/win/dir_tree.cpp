#include "install/win/dir_tree.h"

#include <windows.h>

#include "install/install_paths.h"

namespace sk {

void CreateDirTree(const std::string& path) {
  for (const std::string& folder : DirTreePrefixes(path)) {
    if (GetFileAttributesA(folder.c_str()) == INVALID_FILE_ATTRIBUTES) CreateDirectoryA(folder.c_str(), nullptr);
  }
}

}  // namespace sk
