#include "unwise/unwise_app.h"

#include <windows.h>
#include <commctrl.h>

#include "shared/private_temp.h"
#include "shared/process_paths.h"
#include "shared/start_failure.h"
#include "unwise/exit_codes.h"
#include "unwise/log_file_dialog.h"
#include "unwise/startup_rules.h"
#include "unwise/unwise_dlg.h"

namespace sk {
namespace {

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void StartProgram(const std::string& program, const std::string& parameters, const std::string& folder) {
  SHELLEXECUTEINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_FLAG_NO_UI;
  info.lpFile = program.c_str();
  info.lpParameters = parameters.c_str();
  info.lpDirectory = folder.c_str();
  info.nShow = SW_SHOW;
  ShellExecuteExA(&info);
}

}  // namespace

bool CUnwiseApp::LoadSettings(const std::string& tempFolder) {
  return !tempFolder.empty() && LoadUninstallerConfig(m_strOwnPath, tempFolder, m_settings) == 1;
}

void CUnwiseApp::Relocate() {
  // The copy runs from this folder: it is neither removed now nor by the copy, only as a stale
  // folder by a later first run.
  const std::string copy = PrivateTempFolder() + kRelocatedName;
  SetFileAttributesA(copy.c_str(), FILE_ATTRIBUTE_NORMAL);
  CopyFileA(m_strOwnPath.c_str(), copy.c_str(), FALSE);
  StartProgram(copy, LogBeside(m_strOwnPath), PrivateTempFolder());
}

bool CUnwiseApp::FindLog(const std::string& commandLine) {
  m_strLogPath = LogPathFromCommandLine(commandLine);
  if (FileExists(m_strLogPath)) return true;
  std::string chosen;
  if (!ChooseLogFile(LogFolderOf(m_strLogPath), chosen) || !IsLogName(chosen)) return false;
  m_strLogPath = chosen;
  return true;
}

int CUnwiseApp::InitInstance(const std::string& commandLine) {
  INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&classes);
  if (!GetOwnPath(m_strOwnPath)) {
    ReportStartFailure();
    return kUnwiseExitStartFailed;
  }
  const bool copy = IsRelocatedCopy(m_strOwnPath);
  // The copy already lives in a private folder of its own; a first run makes one, which also
  // clears the folders that earlier runs left.
  const bool loaded = copy ? LoadSettings(FolderOf(m_strOwnPath))
                           : CreatePrivateTempFolder("unwise") && LoadSettings(PrivateTempFolder());
  if (!loaded) {
    ReportStartFailure();
    return kUnwiseExitStartFailed;
  }
  if (!copy) {
    Relocate();
    return kUnwiseExitOk;
  }
  if (!FindLog(commandLine)) return kUnwiseExitOk;
  CUnwiseDlg dialog(*this);
  dialog.DoModal(nullptr);
  return kUnwiseExitOk;
}

}  // namespace sk
