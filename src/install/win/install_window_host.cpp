#include "install/win/install_window_host.h"

#include <commctrl.h>

#include "install/win/dir_tree.h"
#include "install/win/file_stamp.h"
#include "install/win/self_register.h"
#include "setup_ui/message_dlg.h"

namespace sk {
namespace {

// The overwrite question's two answers in the configuration's interface texts.
constexpr std::size_t kKeepLabel = 11;
constexpr std::size_t kReplaceLabel = 12;
constexpr int kQuestionIcon = 2;

}  // namespace

void CInstallWindowHost::SetFileBar(int position) {
  SendDlgItemMessageA(m_window.page, m_window.fileBarId, PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

void CInstallWindowHost::ReportUnzipProgress(std::int64_t percent) {
  SendMessageA(m_window.page, m_window.progressMessage, static_cast<WPARAM>(percent), 0);
}

void CInstallWindowHost::Pause(std::int64_t ms) {
  if (ms > 0) Sleep(static_cast<DWORD>(ms));
}

int CInstallWindowHost::AskOverwrite(const std::string& question) {
  return ShowMessage(question, "", kQuestionIcon, 2, m_config.uiTexts[kKeepLabel].c_str(),
                     m_config.uiTexts[kReplaceLabel].c_str());
}

void CInstallWindowHost::RequestDisk(int entryIndex) {
  const DWORD start = GetTickCount();
  SendMessageA(m_window.page, m_window.needDiskMessage, static_cast<WPARAM>(entryIndex), 0);
  m_diskWaitMs += GetTickCount() - start;
}

std::string CInstallWindowHost::DiskFolder(int disk) {
  return disk >= 0 && disk <= kDiskCount ? m_diskFolders[static_cast<std::size_t>(disk)] : std::string();
}

void CInstallWindowHost::CreateDirTree(const std::string& path) { sk::CreateDirTree(path); }

void CInstallWindowHost::ApplyFileDate(const std::string& path, const FileDate& date) { sk::ApplyFileDate(path, date); }

void CInstallWindowHost::RegisterServer(const std::string& path) { sk::RegisterServer(path); }

}  // namespace sk
