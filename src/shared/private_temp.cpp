#include "shared/private_temp.h"

#include <windows.h>


#include "package/file_io.h"
#include "shared/env_switch.h"
#include "shared/folder_security.h"
#include "shared/private_temp_name.h"
#include "shared/process_paths.h"

namespace sk {
namespace {

std::string g_strFolder;

std::uint64_t AsNumber(const FILETIME& time) {
  return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

// The creation time of a running process; nothing when there is no such process. A process
// we may not look at counts as running (its folder stays).
std::optional<std::uint64_t> ProcessCreated(DWORD processId, bool& denied) {
  denied = false;
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
  if (!process) {
    denied = GetLastError() == ERROR_ACCESS_DENIED;
    return std::nullopt;
  }
  FILETIME created, exited, kernel, user;
  const BOOL got = GetProcessTimes(process, &created, &exited, &kernel, &user);
  DWORD code = 0;
  const bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
  CloseHandle(process);
  if (!got || !running) return std::nullopt;
  return AsNumber(created);
}

bool OwnerAlive(const PrivateTempOwner& owner) {
  bool denied = false;
  const auto created = ProcessCreated(owner.processId, denied);
  return denied || (created && *created == owner.created);
}

PrivateTempOwner ThisProcess() {
  FILETIME created = {}, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  return {GetCurrentProcessId(), AsNumber(created)};
}

// Removes a folder with what is in it. Links (junctions, symbolic links) are removed
// themselves, never followed: a stale folder in a temporary folder is not to be trusted.
void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA(JoinPath(folder, "*").c_str(), &entry);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = entry.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = JoinPath(folder, name);
      const bool isFolder = entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
      const bool isLink = entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT;
      if (isFolder && !isLink) {
        RemoveTree(path);
      } else if (isFolder) {
        RemoveDirectoryA(path.c_str());
      } else {
        ClearFileAttributes(path);
        DeleteFilePath(path);
      }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
  }
  RemoveDirectoryA(folder.c_str());
}

void RemoveStaleFolders(const std::string& temp, const char* program) {
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA(JoinPath(temp, PrivateTempPattern(program)).c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
    const auto owner = ParsePrivateTempName(entry.cFileName, program);
    if (!owner || OwnerAlive(*owner)) continue;
    const std::string path = JoinPath(temp, entry.cFileName);
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
      RemoveDirectoryA(path.c_str());
    else
      RemoveTree(path);
  } while (FindNextFileA(search, &entry));
  FindClose(search);
}

// Enough tries to get past folders someone made under our next names, few enough to end.
constexpr int kAttempts = 100;

}  // namespace

bool CreatePrivateTempFolder(const char* program) {
  if (!g_strFolder.empty()) return true;
  std::string temp;
  if (!GetTempFolder(temp)) return false;
  RemoveStaleFolders(temp, program);
  PrivateFolderSecurity security;
  if (!security.attributes()) return false;
  const PrivateTempOwner self = ThisProcess();
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    const std::string folder = JoinPath(temp, PrivateTempName(program, self, attempt));
    if (CreateDirectoryA(folder.c_str(), security.attributes())) {
      g_strFolder = JoinPath(folder, "");
      return true;
    }
    if (GetLastError() != ERROR_ALREADY_EXISTS) return false;
  }
  return false;
}

const std::string& PrivateTempFolder() { return g_strFolder; }

bool TempFilesKept() { return EnvironmentSwitchSet(kKeepTempVariable); }

void RemovePrivateTempFolder() {
  if (g_strFolder.empty() || TempFilesKept()) return;
  RemoveTree(g_strFolder);
  g_strFolder.clear();
}

}  // namespace sk
