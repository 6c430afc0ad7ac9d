#include "shared/special_folder.h"

#include <windows.h>
#include <shlobj.h>

#include "package/file_io.h"

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
  // Quick Launch sits in the roaming application data on every system that has it; the
  // profile-relative guess of older systems misses it since the profile folders moved.
  if (code == kQuickLaunchFolder) {
    std::string appData;
    if (!ShellFolder(CSIDL_APPDATA, appData)) return false;
    path = JoinPath(appData, "Microsoft\\Internet Explorer\\Quick Launch\\");
    return true;
  }
  if (!ShellFolder(code, path)) return false;
  path = JoinPath(path, "");  // the trailing backslash
  return true;
}

}  // namespace sk
