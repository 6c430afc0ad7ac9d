// InstallFile's host on Windows: it runs on the install worker and reaches the copying page
// only through SendMessageA, so every message blocks the worker until the page has handled it.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "install/file_install.h"
#include "package/setup_config.h"

namespace sk {

inline constexpr UINT WM_FILE_PROGRESS = 0x054D;
inline constexpr UINT WM_NEED_DISK = 0x0563;

// The page window and what it understands.
struct InstallWindow {
  HWND page = nullptr;
  int fileBarId = 1008;                        // the per-file progress bar, 0 to 100
  UINT progressMessage = WM_FILE_PROGRESS;     // wParam: an unzip's percent, may exceed 100
  UINT needDiskMessage = WM_NEED_DISK;         // wParam: the entry index; returns once answered
};

// Index 0 is the install folder; 1 to 7 are where disks 1 to 7 are looked for, each ending
// in a backslash. The page changes one when the user confirms another folder.
using DiskFolders = std::array<std::string, kDiskCount + 1>;

class CInstallWindowHost : public InstallHost {
 public:
  CInstallWindowHost(const InstallWindow& window, const SetupConfig& config, const DiskFolders& diskFolders)
      : m_window(window), m_config(config), m_diskFolders(diskFolders) {}

  void SetFileBar(int position) override;
  void ReportUnzipProgress(std::int64_t percent) override;
  void Pause(std::int64_t ms) override;
  int AskOverwrite(const std::string& question) override;
  void RequestDisk(int entryIndex) override;
  std::string DiskFolder(int disk) override;
  void CreateDirTree(const std::string& path) override;
  void ApplyFileDate(const std::string& path, const FileDate& date) override;
  void RegisterServer(const std::string& path) override;

  // Milliseconds spent waiting for disks, which the time estimate leaves out.
  DWORD diskWaitMs() const { return m_diskWaitMs; }

 private:
  InstallWindow m_window;
  const SetupConfig& m_config;
  const DiskFolders& m_diskFolders;
  DWORD m_diskWaitMs = 0;
};

}  // namespace sk
