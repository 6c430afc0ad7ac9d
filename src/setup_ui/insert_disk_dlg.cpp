#include "setup_ui/insert_disk_dlg.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "package/file_io.h"
#include "package/volume.h"
#include "resource_ids.h"
#include "setup_ui/message_dlg.h"
#include "shared/controls.h"

namespace sk {
namespace {

constexpr int kExclamation = 1;
constexpr int kQuestion = 2;
constexpr int kAbortAnswer = 1;

enum class VolumeCheck { kSigned, kUnreadable, kForeign };

VolumeCheck CheckVolume(const std::string& path) {
  File file = File::OpenRead(path);
  // A volume we cannot open is taken on trust: the copy that follows decides what it holds.
  if (!file.IsOpen()) return VolumeCheck::kUnreadable;
  std::array<std::uint8_t, VolumeSignature.size()> head{};
  const std::size_t got = file.Read(head.data(), head.size());
  return got == head.size() && head == VolumeSignature ? VolumeCheck::kSigned : VolumeCheck::kForeign;
}

}  // namespace

CInsertDiskDlg::CInsertDiskDlg() : CDialog(IDD_INSERT_DISK) {}

void CInsertDiskDlg::DoDataExchange(DataExchange& exchange) {
  exchange.Text(IDC_DISK_FOLDER, m_strFolder);
  exchange.Text(IDC_DISK_PROMPT, m_strLabel);
}

bool CInsertDiskDlg::PreTranslateMessage(MSG& message) {
  // Escape must not give up the installation; only the close box may, after asking.
  if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) return true;
  return CDialog::PreTranslateMessage(message);
}

BOOL CInsertDiskDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetWindowTextA(hwnd(), m_strCaption.c_str());
  if (m_bEnglish) SetItemText(hwnd(), IDOK, "OK");
  MessageBeep(0);
  return TRUE;
}

void CInsertDiskDlg::OnOK() {
  if (!UpdateData(true)) return;
  if (m_strFolder.empty() || m_strFolder.back() != '\\') {
    m_strFolder += '\\';
    UpdateData(false);
  }
  const std::string volume = m_strFolder + m_strVolume;
  if (!PathExists(volume)) {
    if (!PathExists(m_strFolder)) {
      Complain("请插入安装的光盘!", "Please insert setup disk!");
    } else {
      Complain("光盘错误!", "Disk error!");
    }
    return;
  }
  if (CheckVolume(volume) == VolumeCheck::kForeign) {
    Complain("无效的文件格式!", "Invalid file format!");
    return;
  }
  EndDialog(IDOK);
}

void CInsertDiskDlg::OnClose() {
  const int answer = ShowMessage(m_bEnglish ? "Do you sure to abort setup?" : "您确信要终止安装吗?", m_strCaption,
                                 kQuestion, 2, "终止", "取消");
  if (answer == kAbortAnswer) EndDialog(IDCANCEL);
}

void CInsertDiskDlg::Complain(const char* chinese, const char* english) {
  ShowMessage(m_bEnglish ? english : chinese, m_strCaption, kExclamation, 1, m_bEnglish ? "OK" : "确定");
}

}  // namespace sk
