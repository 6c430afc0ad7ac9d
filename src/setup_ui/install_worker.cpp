#include "setup_ui/install_worker.h"

#include <commctrl.h>

#include <cstdint>
#include <string>

#include "install/file_install.h"
#include "install/registration_plan.h"
#include "install/time_estimate.h"
#include "install/win/dir_tree.h"
#include "install/win/install_window_host.h"
#include "install/win/registration.h"
#include "install/win/setup_bat.h"
#include "package/gbk.h"
#include "resource_ids.h"
#include "setup_ui/message_dlg.h"
#include "setup_ui/setup_app.h"
#include "setup_ui/step4_copying.h"
#include "setup_ui/wizard_sheet.h"
#include "shared/controls.h"

namespace sk {
namespace {

constexpr DWORD kVisiblePauseMs = 500;
constexpr int kStatusRoom = 46;
constexpr int kErrorIcon = 3;

CStep4* g_pCopyingPage = nullptr;

const char* Say(bool english, const char* chinese, const char* englishText) { return english ? englishText : chinese; }

std::string WithoutTrailingBackslash(std::string folder) {
  if (!folder.empty() && folder.back() == '\\') folder.pop_back();
  return folder;
}

// The time text changes only when its words do, so that it does not flicker.
void ShowRemainingTime(HWND page, const std::string& text) {
  if (ItemText(page, IDC_COPYING_TIME) != text) SetItemText(page, IDC_COPYING_TIME, text);
}

std::int64_t InstallFiles(CStep4& page) {
  const SetupConfig& config = g_pApp->config();
  const HWND window = page.hwnd();
  const bool english = IsEnglish(config);
  const std::string& prefix = config.pageTexts[kCopyingPage][1];
  const std::string& label = config.pageTexts[kCopyingPage][2];
  SetItemText(window, IDC_COPYING_TIME, label + "...");
  SetItemText(window, IDC_COPYING_STATUS, Say(english, "正在获取文件信息...", "Geting files information..."));
  std::int64_t total = 0;
  for (const FileEntry& entry : config.files) total += entry.size;
  Sleep(kVisiblePauseMs);

  const int count = static_cast<int>(config.files.size());
  const DWORD start = GetTickCount();
  TimeEstimate estimate(total, count, page.m_nDelay);
  CInstallWindowHost host(InstallWindow{window}, config, page.m_diskFolders);
  const InstallContext context{config, page.m_folders, g_pApp->m_strOwnPath, page.m_nDelay, true};
  for (int i = 0; i < count; ++i) {
    const FileEntry& entry = config.files[static_cast<std::size_t>(i)];
    const std::string path = InstalledPath(entry, page.m_folders);
    CreateDirTree(path);
    SetItemText(window, IDC_COPYING_STATUS,
                prefix + " " + ShortenPath(path, kStatusRoom - static_cast<int>(prefix.size())) + " ");
    if (InstallFile(i, context, host)) {
      const std::int64_t seconds =
          estimate.Installed(i, entry.size, static_cast<std::int64_t>(GetTickCount() - start), host.diskWaitMs());
      if (seconds >= 0) ShowRemainingTime(window, FormatRemainingTime(label, seconds, english));
      SetProgressPos(GetDlgItem(window, IDC_COPYING_TOTAL_BAR), estimate.BarPosition());
    }
    estimate.Skipped();
  }
  return estimate.done();
}

bool CreateUninstaller(CStep4& page, std::int64_t installedBytes) {
  const SetupConfig& config = g_pApp->config();
  const HWND bar = GetDlgItem(page.hwnd(), IDC_COPYING_FILE_BAR);
  SetProgressPos(bar, 0);
  const std::string target = page.m_folders.install + "\\unwise.exe";
  SetProgressPos(bar, 30);
  const bool copied = CopyFileA(g_pApp->m_strUninstallerPath.c_str(), target.c_str(), FALSE) != 0;
  SetProgressPos(bar, 100);
  UninstallEntryValues values;
  values.productKey = config.productKey;
  values.displayName = config.uninstallDisplayName;
  values.version = config.version;
  values.uninstallerPath = target;
  values.installFolder = page.m_folders.install;
  values.installedBytes = static_cast<std::uint64_t>(installedBytes);
  ApplyRegistrationPlan(UninstallRegistration(values));
  return copied;
}

void RegisterFileTypes(CStep4& page) {
  const SetupConfig& config = g_pApp->config();
  const auto& types = config.fileTypes;
  if (types[0].extension.empty() && types[1].extension.empty()) return;
  SetItemText(page.hwnd(), IDC_COPYING_STATUS, Say(IsEnglish(config), "正在创建文件类型关联...", "Creating file type..."));
  Sleep(kVisiblePauseMs);
  for (const FileTypeRecord& type : types) {
    if (type.extension.empty()) continue;
    ApplyRegistrationPlan(
        FileTypeRegistration(type.extension, ResolveFolderPath(type.program, page.m_folders), type.iconIndex));
  }
}

// An entry whose program is missing is dropped, and its text cleared so that the log leaves it out.
void AddMenuEntry(CStep4& page, bool allFiles, std::string& name, const std::string& program) {
  if (name.empty()) return;
  const std::string resolved = ResolveFolderPath(program, page.m_folders);
  if (GetFileAttributesA(resolved.c_str()) == INVALID_FILE_ATTRIBUTES) {
    name.clear();
    return;
  }
  ApplyRegistrationPlan(MenuEntryRegistration(allFiles, resolved, name));
}

void WriteApplicationKey(CStep4& page) {
  const SetupConfig& config = g_pApp->config();
  if (config.productKey.empty()) return;
  const std::string& own = g_pApp->m_strOwnPath;
  const std::size_t slash = FindLastBackslash(own);
  ApplicationKeyValues values;
  values.productKey = config.productKey;
  values.releaseDate = config.releaseDate;
  values.version = config.version;
  values.installFolder = WithoutTrailingBackslash(page.m_folders.install);
  values.setupFolder = slash == std::string::npos ? std::string() : own.substr(0, slash);
  ApplyRegistrationPlan(ApplicationKeyRegistration(values));
}

DWORD WINAPI WorkerEntry(LPVOID) {
  InstallWorker(*g_pCopyingPage);
  return 0;
}

}  // namespace

HANDLE StartInstallWorker(CStep4& page) {
  g_pCopyingPage = &page;
  return CreateThread(nullptr, 0, WorkerEntry, nullptr, 0, nullptr);
}

void InstallWorker(CStep4& page) {
  SetupConfig& config = g_pApp->m_setup.config;
  const bool english = IsEnglish(config);
  const HWND window = page.hwnd();
  const std::int64_t installed = InstallFiles(page);
  RunSetupBat(page.m_folders.install, page.m_launch);
  if (!config.noUninstaller && !CreateUninstaller(page, installed))
    ShowMessage(Say(english, "创建 unwise.exe 失败!", "Create file unwise.exe failure!"), "", kErrorIcon, 1,
                Say(english, "确定", "OK"));
  RegisterFileTypes(page);
  AddMenuEntry(page, true, config.fileMenuName, config.fileMenuProgram);
  AddMenuEntry(page, false, config.folderMenuName, config.folderMenuProgram);
  WriteApplicationKey(page);
  SetItemText(window, IDC_COPYING_STATUS, Say(english, "安装完成", "Install complete"));
  SetItemText(window, IDC_COPYING_TIME, "");
  SetProgressPos(GetDlgItem(window, IDC_COPYING_TOTAL_BAR), 1000);
  Animate_Play(GetDlgItem(window, IDC_COPYING_ANIMATION), 1000, 1000, 0);
  Sleep(kVisiblePauseMs);
  PropSheet_SetCurSel(page.Sheet(), nullptr, page.sheet().FinishPageIndex());
}

}  // namespace sk
