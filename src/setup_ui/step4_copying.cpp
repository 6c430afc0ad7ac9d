#include "setup_ui/step4_copying.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>

#include "install/win/platform_folders.h"
#include "resource_ids.h"
#include "setup_ui/insert_disk_dlg.h"
#include "setup_ui/install_worker.h"
#include "setup_ui/message_dlg.h"
#include "setup_ui/setup_app.h"
#include "setup_ui/wizard_sheet.h"
#include "shared/controls.h"

namespace sk {
namespace {

constexpr std::size_t kHeadingBytes = 47;
constexpr int kProgramIcon = 0;
// The worker starts on the first paint of the process, however often the page is shown.
bool g_bFirstPaint = true;

}  // namespace

CStep4::CStep4(CWizardSheet& sheet) : CPropertyPage(IDD_COPYING), m_sheet(sheet) {}

CStep4::~CStep4() {
  if (hwnd()) Animate_Close(Item(IDC_COPYING_ANIMATION));
}

void CStep4::DoDataExchange(DataExchange& exchange) { exchange.Text(IDC_COPYING_HEADING, m_strHeading, kHeadingBytes); }

BOOL CStep4::OnInitDialog() {
  m_sheet.AttachWindow(Sheet());
  m_strHeading = g_pApp->config().pageTexts[kCopyingPage][0];
  SetProgressRange(Item(IDC_COPYING_FILE_BAR), 0, 100);
  SetProgressRange(Item(IDC_COPYING_TOTAL_BAR), 0, 100);
  return CPropertyPage::OnInitDialog();
}

void CStep4::PlayAnimation() { Animate_Play(Item(IDC_COPYING_ANIMATION), 0, 0xFFFF, -1); }

// Showing frame 1000 once, beyond any clip's end, is what stands the clip still.
void CStep4::HaltAnimation() {
  Animate_Play(Item(IDC_COPYING_ANIMATION), 1000, 1000, 0);
  Animate_Stop(Item(IDC_COPYING_ANIMATION));
}

bool CStep4::OnSetActive() {
  const UiTexts& ui = g_pApp->config().uiTexts;
  PostWizardButtons(Sheet(), 0);
  SetWizardLabel(Sheet(), kBackButton, ui[1]);
  SetWizardLabel(Sheet(), kNextButton, ui[4]);
  SetWizardLabel(Sheet(), kCancelButton, ui[3]);
  Animate_Open(Item(IDC_COPYING_ANIMATION), g_pApp->m_strAnimationPath.c_str());
  PlayAnimation();
  m_nDelay = std::atoi(g_pApp->config().pageTexts[kCopyingPage][3].c_str());
  return CPropertyPage::OnSetActive();
}

// Nothing on this page is the user's to enter: reading the heading back could only refuse
// the worker's move to the finish page, for good, when the package's heading passes 47 bytes.
bool CStep4::OnKillActive() { return true; }

void CStep4::OnFirstPaint() {
  m_folders = MakeBaseFolders(QueryPlatformFolders(), m_sheet.m_strInstallFolder);
  m_diskFolders[0] = m_sheet.m_strInstallFolder;
  for (int disk = 1; disk <= kDiskCount; ++disk)
    m_diskFolders[static_cast<std::size_t>(disk)] = g_pApp->m_strDiskFolder[static_cast<std::size_t>(disk - 1)];
  SetProgressRange(Item(IDC_COPYING_TOTAL_BAR), 0, 1000);
  m_hWorker = StartInstallWorker(*this);
}

void CStep4::OnNeedDisk(int entryIndex) {
  const SetupConfig& config = g_pApp->config();
  if (entryIndex < 0 || entryIndex >= static_cast<int>(config.files.size())) return;
  const int disk = config.files[static_cast<std::size_t>(entryIndex)].disk;
  if (disk < 1 || disk > kDiskCount) return;
  const DiskRecord& record = config.disks[static_cast<std::size_t>(disk - 1)];
  SuspendThread(m_hWorker);
  HaltAnimation();
  CInsertDiskDlg prompt;
  prompt.m_strVolume = record.volumeName;
  prompt.m_strFolder = m_diskFolders[static_cast<std::size_t>(disk)];
  prompt.m_strLabel = record.prompt;
  prompt.m_bEnglish = IsEnglish(config);
  prompt.m_strCaption = config.productName;
  m_pDiskPrompt = &prompt;
  const INT_PTR answer = prompt.DoModal(nullptr);
  m_pDiskPrompt = nullptr;
  if (answer == IDOK) {
    m_diskFolders[static_cast<std::size_t>(disk)] = prompt.m_strFolder;
    ResumeThread(m_hWorker);
    PlayAnimation();
    return;
  }
  // Given up: the sheet closes with the worker left suspended; it ends with the process.
  if (m_bGivenUp) {
    // The wizard's own Cancel gave up and ended the sheet. Its loop sees that only after its
    // next message, and the worker's request was a sent one, which its wait handles without
    // returning: a posted message wakes it.
    PostMessageA(Sheet(), WM_NULL, 0, 0);
    return;
  }
  m_bGivenUp = true;
  PropSheet_PressButton(Sheet(), PSBTN_CANCEL);
}

bool CStep4::OnQueryCancel() {
  if (m_bGivenUp) return true;
  if (m_launch.hProcess) return false;
  if (!m_hWorker) return true;
  SuspendThread(m_hWorker);
  HaltAnimation();
  const UiTexts& ui = g_pApp->config().uiTexts;
  if (ShowMessage(ui[18], "", kProgramIcon, 2, ui[9].c_str(), ui[10].c_str()) != 1) {
    // The prompt has no owner, so the wizard's Cancel stays at hand while it is open; giving
    // up here gives it up too, or it would stay open and hold setup's end until answered.
    if (m_pDiskPrompt) {
      m_bGivenUp = true;
      m_pDiskPrompt->EndDialog(IDCANCEL);
    }
    return true;
  }
  ResumeThread(m_hWorker);
  PlayAnimation();
  return false;
}

bool CStep4::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  switch (message) {
    case WM_PAINT:
      if (g_bFirstPaint) {
        g_bFirstPaint = false;
        OnFirstPaint();
      }
      break;
    case WM_FILE_PROGRESS:
      SetProgressPos(Item(IDC_COPYING_FILE_BAR), static_cast<int>(std::min<WPARAM>(wParam, 100)));
      SetMessageResult(0);
      result = TRUE;
      return true;
    case WM_NEED_DISK:
      OnNeedDisk(static_cast<int>(wParam));
      SetMessageResult(0);
      result = TRUE;
      return true;
    default:
      break;
  }
  return CPropertyPage::OnMessage(message, wParam, lParam, result);
}

}  // namespace sk
