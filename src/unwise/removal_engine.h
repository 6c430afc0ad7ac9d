// The removal run: walks setup.log and the uninstaller's settings and undoes the installation in
// a fixed order, reporting through two status lines and a progress position. The machine is
// reached only through RemovalHost, which the uninstaller window implements over Win32; the
// guards of removal_rules.h decide what may go at all.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "package/registry_layout.h"
#include "package/uninstall_settings.h"

namespace sk {

class RemovalHost {
 public:
  virtual ~RemovalHost() = default;
  // line 1 is the upper status text, line 2 the lower one.
  virtual void SetStatus(int line, const std::string& text) = 0;
  virtual void SetProgress(int position) = 0;  // 0 to 1000
  virtual void Pause(std::int64_t ms) = 0;
  virtual std::optional<std::string> ReadLog(const std::string& path) = 0;  // nothing: cannot open
  virtual void ReportLogNotOpened(const std::string& message) = 0;
  virtual std::optional<std::int64_t> FileSize(const std::string& path) = 0;  // nothing: not found
  // Gives the file normal attributes and deletes it; true when it is gone.
  virtual bool DeleteFile(const std::string& path) = 0;
  virtual void UnregisterServer(const std::string& path) = 0;
  virtual void DeleteKey(RegRoot root, const std::string& path) = 0;   // only a key without subkeys
  virtual void DeleteTree(RegRoot root, const std::string& path) = 0;  // the key and all below it
  virtual void DeleteValue(RegRoot root, const std::string& path, const std::string& name) = 0;
  virtual void RemoveFolderTree(const std::string& folder) = 0;
  virtual std::vector<std::string> RemainingFiles(const std::string& folder) = 0;
  virtual std::string ProgramsFolder() = 0;
  // Folders no tree removal may take, or any folder above them: Windows, System, Program
  // Files, the profile, the desktop and the like.
  virtual std::vector<std::string> ProtectedFolders() = 0;
};

enum class RemovalOutcome { LogNotOpened, Done, FilesRemain };

struct RemovalResult {
  RemovalOutcome outcome;
  std::vector<std::string> remaining;  // files left in the install folder, in the order found
};

RemovalResult RunRemoval(const std::string& logPath, const UninstallSettings& settings, RemovalHost& host);

// The install folder: the log path before its last backslash.
std::string InstallFolderOf(const std::string& logPath);

}  // namespace sk
