// The removal engine's view of this machine and of the uninstaller window it reports to.
#pragma once

#include <windows.h>

#include "unwise/removal_engine.h"

namespace sk {

class WindowRemovalHost : public RemovalHost {
 public:
  explicit WindowRemovalHost(HWND window) : m_hWnd(window) {}

  void SetStatus(int line, const std::string& text) override;
  void SetProgress(int position) override;
  void Pause(std::int64_t ms) override;
  std::optional<std::string> ReadLog(const std::string& path) override;
  void ReportLogNotOpened(const std::string& message) override;
  std::optional<std::int64_t> FileSize(const std::string& path) override;
  bool DeleteFile(const std::string& path) override;
  void UnregisterServer(const std::string& path) override;
  void DeleteKey(RegRoot root, const std::string& path) override;
  void DeleteTree(RegRoot root, const std::string& path) override;
  void DeleteValue(RegRoot root, const std::string& path, const std::string& name) override;
  void RemoveFolderTree(const std::string& folder) override;
  std::vector<std::string> RemainingFiles(const std::string& folder) override;
  std::string ProgramsFolder() override;
  std::vector<std::string> ProtectedFolders() override;

 private:
  HWND m_hWnd;
};

}  // namespace sk
