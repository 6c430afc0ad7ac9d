#include "shared/private_temp.h"

#include <windows.h>

#include <vector>

#include "package/file_io.h"
#include "shared/env_switch.h"
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

std::vector<BYTE> TokenInformation(HANDLE token, TOKEN_INFORMATION_CLASS kind) {
  DWORD size = 0;
  GetTokenInformation(token, kind, nullptr, 0, &size);
  std::vector<BYTE> bytes(size);
  if (size == 0 || !GetTokenInformation(token, kind, bytes.data(), size, &size)) bytes.clear();
  return bytes;
}

// The access list of the folder: full control for the process's user, and for the
// administrators when the process runs elevated; nothing inherited from the temporary folder.
class FolderSecurity {
 public:
  FolderSecurity() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return;
    m_user = TokenInformation(token, TokenUser);
    const std::vector<BYTE> elevation = TokenInformation(token, TokenElevation);
    CloseHandle(token);
    if (m_user.empty()) return;
    PSID user = reinterpret_cast<TOKEN_USER*>(m_user.data())->User.Sid;
    std::vector<PSID> sids{user};
    const bool elevated = elevation.size() >= sizeof(TOKEN_ELEVATION) &&
                          reinterpret_cast<const TOKEN_ELEVATION*>(elevation.data())->TokenIsElevated;
    DWORD adminSize = sizeof m_administrators;
    if (elevated && CreateWellKnownSid(WinBuiltinAdministratorsSid, nullptr, m_administrators, &adminSize))
      sids.push_back(m_administrators);
    DWORD aclSize = sizeof(ACL);
    for (PSID sid : sids) aclSize += sizeof(ACCESS_ALLOWED_ACE) + GetLengthSid(sid);
    m_acl.resize(aclSize);
    auto* acl = reinterpret_cast<ACL*>(m_acl.data());
    if (!InitializeAcl(acl, aclSize, ACL_REVISION)) return;
    for (PSID sid : sids)
      if (!AddAccessAllowedAceEx(acl, ACL_REVISION, OBJECT_INHERIT_ACE | CONTAINER_INHERIT_ACE,
                                 FILE_ALL_ACCESS, sid))
        return;
    if (!InitializeSecurityDescriptor(&m_descriptor, SECURITY_DESCRIPTOR_REVISION) ||
        !SetSecurityDescriptorDacl(&m_descriptor, TRUE, acl, FALSE) ||
        !SetSecurityDescriptorControl(&m_descriptor, SE_DACL_PROTECTED, SE_DACL_PROTECTED))
      return;
    m_attributes = {sizeof m_attributes, &m_descriptor, FALSE};
    m_bReady = true;
  }
  FolderSecurity(const FolderSecurity&) = delete;
  FolderSecurity& operator=(const FolderSecurity&) = delete;

  // Null when the list could not be built: then no folder is made at all, since one with
  // the temporary folder's access would not be private.
  SECURITY_ATTRIBUTES* attributes() { return m_bReady ? &m_attributes : nullptr; }

 private:
  std::vector<BYTE> m_user;
  BYTE m_administrators[SECURITY_MAX_SID_SIZE] = {};
  std::vector<BYTE> m_acl;
  SECURITY_DESCRIPTOR m_descriptor = {};
  SECURITY_ATTRIBUTES m_attributes = {};
  bool m_bReady = false;
};

// Enough tries to get past folders someone made under our next names, few enough to end.
constexpr int kAttempts = 100;

}  // namespace

bool CreatePrivateTempFolder(const char* program) {
  if (!g_strFolder.empty()) return true;
  std::string temp;
  if (!GetTempFolder(temp)) return false;
  RemoveStaleFolders(temp, program);
  FolderSecurity security;
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
