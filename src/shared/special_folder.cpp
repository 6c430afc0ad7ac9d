#include "shared/special_folder.h"

#include <windows.h>
#include <shlobj.h>

#include "package/gbk.h"
#include "shared/quick_launch.h"

namespace sk {
namespace {

bool ShellFolder(int csidl, std::string& path) {
  LPITEMIDLIST items = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &items)) || !items) return false;
  char buffer[MAX_PATH] = {};
  const BOOL found = SHGetPathFromIDListA(items, buffer);
  CoTaskMemFree(items);
  if (!found) return false;
  path = buffer;
  return true;
}

}  // namespace

bool GetSpecialFolder(int code, std::string& path) {
  if (code == kQuickLaunchFolder) {
    std::string appData;
    if (!ShellFolder(CSIDL_APPDATA, appData)) return false;
    path = QuickLaunchFolder(appData);
    return true;
  }
  if (!ShellFolder(code, path)) return false;
  path = WithBackslash(std::move(path));
  return true;
}

}  // namespace sk
