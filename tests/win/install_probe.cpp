// Installs every entry of a package as the install worker will, on a second thread, through
// the Windows host. Its page is a hidden stand-in that answers the disk request with the
// insert-disk dialog and counts the progress reports, until the copying page exists.
//
// Arguments: the package, the install folder, the report file. The report has one line per
// entry ("1" installed, "0" not), then the number of disk requests and of unzip progress
// reports it answered.
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "install/file_install.h"
#include "install/win/install_window_host.h"
#include "install/win/platform_folders.h"
#include "package/package_trailer.h"
#include "package/range_io.h"
#include "package/setup_config.h"
#include "package/token_list.h"
#include "setup_ui/insert_disk_dlg.h"

namespace {

constexpr UINT kWorkerDone = WM_APP + 1;
constexpr int kArguments = 3;

struct ProbeState {
  sk::SetupConfig config;
  sk::DiskFolders diskFolders;
  int diskRequests = 0;
  int progressReports = 0;
};

ProbeState* g_state = nullptr;

LRESULT CALLBACK StandInProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == sk::WM_FILE_PROGRESS) {
    ++g_state->progressReports;
    return 0;
  }
  if (message == sk::WM_NEED_DISK) {
    ++g_state->diskRequests;
    const sk::FileEntry& entry = g_state->config.files[wParam];
    const sk::DiskRecord& disk = g_state->config.disks[static_cast<std::size_t>(entry.disk - 1)];
    sk::CInsertDiskDlg dialog;
    dialog.m_strVolume = disk.volumeName;
    dialog.m_bEnglish = sk::IsEnglish(g_state->config);
    dialog.m_strCaption = g_state->config.productName;
    dialog.m_strFolder = g_state->diskFolders[static_cast<std::size_t>(entry.disk)];
    dialog.m_strLabel = disk.prompt;
    if (dialog.DoModal(window) == IDOK) g_state->diskFolders[static_cast<std::size_t>(entry.disk)] = dialog.m_strFolder;
    return 0;
  }
  if (message == kWorkerDone) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateStandIn() {
  WNDCLASSA type = {};
  type.lpfnWndProc = StandInProc;
  type.hInstance = GetModuleHandleA(nullptr);
  type.lpszClassName = "SkCopyingPageStandIn";
  RegisterClassA(&type);
  return CreateWindowA(type.lpszClassName, "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                       type.hInstance, nullptr);
}

bool ReadConfig(const std::string& package, sk::SetupConfig& config) {
  const auto trailer = sk::ReadPackageTrailer(package);
  if (!trailer) return false;
  const auto bytes = sk::ReadRange(package, trailer->length, trailer->offset);
  if (!bytes) return false;
  sk::CTokenList tokens;
  tokens.LoadBytes(std::string(bytes->begin(), bytes->end()), sk::kPackageKey);
  config = sk::ReadSetupConfig(tokens);
  return true;
}

std::string FolderOf(const std::string& path) { return path.substr(0, path.find_last_of('\\') + 1); }

}  // namespace

int main(int argc, char** argv) {
  if (argc != kArguments + 1) return 2;
  const std::string package = argv[1];
  ProbeState state;
  g_state = &state;
  if (!ReadConfig(package, state.config)) return 3;
  state.diskFolders.fill(FolderOf(package));
  state.diskFolders[0] = argv[2];

  const HWND page = CreateStandIn();
  sk::InstallWindow window;
  window.page = page;
  sk::CInstallWindowHost host(window, state.config, state.diskFolders);
  const sk::InstallContext context{state.config, sk::MakeBaseFolders(sk::QueryPlatformFolders(), argv[2]), package};
  std::vector<int> installed(state.config.files.size());

  struct Job {
    const sk::InstallContext* context;
    sk::CInstallWindowHost* host;
    std::vector<int>* installed;
    HWND page;
  } job{&context, &host, &installed, page};
  HANDLE worker = CreateThread(nullptr, 0, [](void* data) -> DWORD {
    auto& work = *static_cast<Job*>(data);
    for (std::size_t i = 0; i < work.installed->size(); ++i)
      (*work.installed)[i] = sk::InstallFile(static_cast<int>(i), *work.context, *work.host);
    PostMessageA(work.page, kWorkerDone, 0, 0);
    return 0;
  }, &job, 0, nullptr);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  WaitForSingleObject(worker, INFINITE);
  CloseHandle(worker);

  std::ofstream report(argv[3], std::ios::binary);
  for (int flag : installed) report << flag << "\n";
  report << state.diskRequests << "\n" << state.progressReports << "\n";
  return report ? 0 : 4;
}
