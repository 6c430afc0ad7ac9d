#include "unwise/win_protected_folders.h"

#include <windows.h>
#include <shlobj.h>

#include "shared/process_paths.h"
#include "shared/special_folder.h"

namespace sk {
namespace {

constexpr int kProtectedFolderCodes[] = {
    CSIDL_WINDOWS,        CSIDL_SYSTEM,          CSIDL_PROGRAM_FILES,    CSIDL_PROGRAM_FILES_COMMON,
    CSIDL_PROFILE,        CSIDL_DESKTOPDIRECTORY, CSIDL_COMMON_DESKTOPDIRECTORY, CSIDL_STARTMENU,
    CSIDL_COMMON_STARTMENU, CSIDL_PROGRAMS,      CSIDL_COMMON_PROGRAMS,  CSIDL_STARTUP,
    CSIDL_APPDATA,        CSIDL_LOCAL_APPDATA,   CSIDL_COMMON_APPDATA,   CSIDL_PERSONAL,
    CSIDL_COMMON_DOCUMENTS, CSIDL_FONTS,
};

}  // namespace

std::vector<std::string> ProtectedFolders() {
  std::vector<std::string> folders;
  std::string path;
  for (const int code : kProtectedFolderCodes)
    if (GetSpecialFolder(code, path) && !path.empty()) folders.push_back(path);
  if (GetTempFolder(path)) folders.push_back(path);
  return folders;
}

std::string ProgramsFolder() {
  std::string path;
  return GetSpecialFolder(CSIDL_PROGRAMS, path) ? path : std::string();
}

}  // namespace sk
