#include "install/win/platform_folders.h"

#include <windows.h>
#include <shlobj.h>

#include "shared/special_folder.h"

namespace sk {
namespace {

// Every folder query writes into a buffer of this size, so a folder is at most 254 bytes.
constexpr UINT kFolderBuffer = 255;

template <typename Query>
std::string Ask(Query query) {
  char buffer[kFolderBuffer] = {};
  const UINT length = query(buffer, kFolderBuffer);
  return length > 0 && length < kFolderBuffer ? std::string(buffer, length) : std::string();
}

}  // namespace

PlatformFolders QueryPlatformFolders() {
  PlatformFolders folders;
  folders.windowsDir = Ask([](char* b, UINT n) { return GetWindowsDirectoryA(b, n); });
  folders.systemDir = Ask([](char* b, UINT n) { return GetSystemDirectoryA(b, n); });
  folders.tempPath = Ask([](char* b, UINT n) { return static_cast<UINT>(GetTempPathA(n, b)); });
  char documents[MAX_PATH] = {};
  if (SHGetSpecialFolderPathA(nullptr, documents, CSIDL_PERSONAL, FALSE)) folders.documentsDir = documents;
  return folders;
}

ShortcutFolders QueryShortcutFolders() {
  const auto folder = [](int code) {
    std::string path;
    return GetSpecialFolder(code, path) ? path : std::string();
  };
  return {folder(kQuickLaunchFolder), folder(CSIDL_DESKTOPDIRECTORY), folder(CSIDL_STARTMENU), folder(CSIDL_PROGRAMS)};
}

}  // namespace sk
