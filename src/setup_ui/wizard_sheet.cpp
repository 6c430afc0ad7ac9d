#include "setup_ui/wizard_sheet.h"

#include <commctrl.h>

#include "install/win/platform_folders.h"
#include "resource_ids.h"
#include "setup_ui/exit_codes.h"
#include "setup_ui/folder_rules.h"
#include "setup_ui/free_space.h"
#include "setup_ui/main_window.h"
#include "setup_ui/message_dlg.h"
#include "setup_ui/package_icon.h"
#include "setup_ui/setup_app.h"
#include "setup_ui/side_panel_layout.h"

namespace sk {
namespace {

constexpr std::size_t kFolderLeftOutSlot = 7;
constexpr std::size_t kDefaultMacroSlot = 6;
constexpr std::size_t kFirstAnswer = 9;
constexpr std::size_t kSecondAnswer = 10;
constexpr int kQuestionIcon = 2;
constexpr int kProgramIcon = 0;
constexpr UINT_PTR kSubclassId = 1;
constexpr int kAnswerAbort = 2;

// The wizard's initial placement takes effect as it is shown, and the sheet need not move
// after that; the panel has to follow it all the same.
bool ShowsWindow(LPARAM windowPos) {
  return (reinterpret_cast<const WINDOWPOS*>(windowPos)->flags & SWP_SHOWWINDOW) != 0;
}

// The panel lies over the pages' free left part wherever the wizard goes; shown without
// taking the activation from the wizard.
void FollowWithSidePanel(HWND sheet) {
  const HWND panel = g_pApp->m_FlashDlg.hwnd();
  if (!panel) return;
  RECT wizard = {};
  GetWindowRect(sheet, &wizard);
  const Rect r = SidePanelRect(wizard.left, wizard.top);
  MoveWindow(panel, r.left, r.top, r.width(), r.height(), TRUE);
  ShowWindow(panel, SW_SHOWNA);
}

}  // namespace

void SetWizardLabel(HWND sheet, int buttonId, const std::string& label) {
  SetDlgItemTextA(sheet, buttonId, label.c_str());
}

void ShowWizardButton(HWND sheet, int buttonId, bool show) {
  ShowWindow(GetDlgItem(sheet, buttonId), show ? SW_SHOW : SW_HIDE);
}

bool ConfirmCancel(const std::string& question) {
  const UiTexts& ui = g_pApp->config().uiTexts;
  return ShowMessage(question, "", kProgramIcon, 2, ui[kFirstAnswer].c_str(), ui[kSecondAnswer].c_str()) == 2;
}

CWizardSheet::CWizardSheet(std::string caption, HWND parent, UINT firstPage)
    : CPropertySheet(std::move(caption), parent, firstPage),
      m_step1(*this),
      m_step2(*this),
      m_step3(*this),
      m_step4(*this),
      m_step5(*this) {
  const SetupConfig& config = g_pApp->config();
  AddPage(&m_step1);
  AddPage(&m_step2);
  m_bFolderLeftOut = config.pageTexts[kFolderPage][kFolderLeftOutSlot] == "TRUE";
  if (!m_bFolderLeftOut) {
    AddPage(&m_step3);
  } else if (!FixInstallFolder()) {
    m_bAbort = 1;
    return;
  }
  AddPage(&m_step4);
  AddPage(&m_step5);
  LoadIcon();
}

CWizardSheet::~CWizardSheet() {
  if (m_bOwnIcon && m_hIcon) DestroyIcon(m_hIcon);
  SetProgramIcon(nullptr);
}

bool CWizardSheet::FixInstallFolder() {
  const SetupConfig& config = g_pApp->config();
  const double required = RequiredMegabytes(config);
  const std::string folder =
      ResolveFolderMacro(config.pageTexts[kFolderPage][kDefaultMacroSlot], QueryPlatformFolders()) +
      ProductFolderName(config);
  m_strInstallFolder = folder;
  const bool english = IsEnglish(config);
  const FreeSpaceQuestion question{kQuestionIcon,
                                   {english ? "Retry" : "重试", english ? "Abort" : "终止", english ? "Ignore" : "忽略"},
                                   kAnswerAbort};
  if (!EnsureFreeSpace(InstallLocation(folder), required, english, question)) return false;
  CreateDirectoryA(folder.c_str(), nullptr);
  return true;
}

void CWizardSheet::LoadIcon() {
  const SetupConfig& config = g_pApp->config();
  m_hIcon = LoadPackageIcon(g_pApp->m_strOwnPath, config.icon);
  m_bOwnIcon = config.icon.present();
  SetProgramIcon(m_hIcon);
}

void CWizardSheet::AttachWindow(HWND sheet) {
  if (m_hWnd || !sheet) return;
  m_hWnd = sheet;
  SetWindowSubclass(sheet, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  OnFirstShow();
}

void CWizardSheet::OnFirstShow() {
  SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
  SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
  const HWND background = g_pApp->config().backgroundEnabled ? MainWindow() : nullptr;
  if (g_pApp->config().backgroundEnabled)
    SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
  else
    SetWindowLongPtrA(m_hWnd, GWL_STYLE, GetWindowLongPtrA(m_hWnd, GWL_STYLE) | WS_MINIMIZEBOX);
  if (background) {
    const LRESULT small = SendMessageA(m_hWnd, WM_GETICON, ICON_SMALL, 0);
    SendMessageA(background, WM_SETICON, ICON_SMALL, small);
  }
}

LRESULT CALLBACK CWizardSheet::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR) {
  if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_MINIMIZE) {
    ShowWindow(window, SW_SHOWMINIMIZED);
    SetActiveWindow(window);
  } else if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE) {
    // The close box is the Cancel button. Left to the sheet, some common-control versions
    // handle the close command and then also the WM_CLOSE it brings, asking the page's cancel
    // question twice for one press.
    PropSheet_PressButton(window, PSBTN_CANCEL);
    return 0;
  } else if (message == WM_MOVE || (message == WM_WINDOWPOSCHANGED && ShowsWindow(lParam))) {
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    FollowWithSidePanel(window);
    return result;
  } else if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, SubclassProc, kSubclassId);
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

int RunWizard() {
  CWizardSheet sheet("setup", MainWindow(), 0);
  if (sheet.m_bAbort) return kSetupExitAborted;
  sheet.SetWizardMode();
  sheet.DoModal();
  return kSetupExitOk;
}

}  // namespace sk
