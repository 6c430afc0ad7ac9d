#include "setup_ui/finish_actions.h"

#include <windows.h>
#include <shellapi.h>

#include "install/setup_log_file.h"
#include "install/win/dir_tree.h"
#include "install/win/platform_folders.h"
#include "install/win/shortcut.h"
#include "setup_ui/message_dlg.h"
#include "setup_ui/setup_app.h"
#include "shared/process_paths.h"

namespace sk {
namespace {

constexpr int kErrorIcon = 3;

void Open(const std::string& file) { ShellExecuteA(nullptr, nullptr, file.c_str(), nullptr, nullptr, SW_SHOW); }

bool WriteLogAndShortcuts(const FinishPlan& plan, const SetupConfig& config, const std::string& installFolder) {
  SetupLogFile log;
  if (!log.Create(installFolder)) {
    const bool english = IsEnglish(config);
    ShowMessage(english ? "Create setup.log failure!" : "创建 setup.log 文件失败!", "", kErrorIcon, 1,
                english ? "OK" : "确定");
    return false;
  }
  log.Write(SetupLogHeadBytes(plan.logHead));
  for (const FinishStep& step : plan.steps) {
    switch (step.kind) {
      case FinishStep::CreateGroupFolder:
        CreateDirectoryA(step.path.c_str(), nullptr);
        break;
      case FinishStep::UninstallerShortcut:
        CreateShortcut(step.target, step.path, step.description);
        break;
      case FinishStep::EntryShortcut:
        // Listed whether or not the link could be made: the uninstaller then finds nothing to
        // delete there.
        CreateDirTree(step.path);
        CreateShortcut(step.target, step.path, step.description);
        log.WriteLine(step.path);
        break;
    }
  }
  log.Close(config.noUninstaller);
  return true;
}

// Runs in the install folder as the current directory, which the parameters opened alone are
// relative to.
void StartPostInstall(const FinishPlan& plan, const SetupConfig& config, const std::string& installFolder) {
  char previous[kPathBufferBytes] = {};
  const DWORD length = GetCurrentDirectoryA(sizeof previous, previous);
  const bool remembered = length > 0 && length < sizeof previous;
  SetCurrentDirectoryA(installFolder.c_str());
  if (!plan.postInstallPath.empty()) {
    SHELLEXECUTEINFOA launch = {};
    launch.cbSize = sizeof launch;
    launch.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    launch.lpFile = plan.postInstallPath.c_str();
    launch.lpParameters = config.postInstallParameters.c_str();
    launch.lpDirectory = installFolder.c_str();
    launch.nShow = SW_SHOW;
    if (ShellExecuteExA(&launch)) g_pApp->m_hPostInstallProcess = launch.hProcess;
  } else if (plan.document) {
    Open(*plan.document);
  }
  if (remembered) SetCurrentDirectoryA(previous);
}

}  // namespace

void CarryOutFinish(const FinishChoices& choices, const BaseFolders& folders) {
  SetupConfig& config = g_pApp->m_setup.config;
  const FinishPlan plan = PlanFinish(config, choices, folders, QueryShortcutFolders());
  g_pApp->m_strPostInstallPath = plan.postInstallPath;
  if (plan.removedEntry) config.files.erase(config.files.begin() + static_cast<std::ptrdiff_t>(*plan.removedEntry));
  if (!WriteLogAndShortcuts(plan, config, folders.install)) return;
  if (plan.readme) Open(*plan.readme);
  if (plan.program) Open(*plan.program);
  StartPostInstall(plan, config, folders.install);
}

}  // namespace sk
