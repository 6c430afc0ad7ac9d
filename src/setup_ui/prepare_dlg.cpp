#include "setup_ui/prepare_dlg.h"

#include "resource_ids.h"
#include "setup_ui/font_object.h"
#include "setup_ui/package_icon.h"
#include "setup_ui/startup_layout.h"
#include "shared/controls.h"

namespace sk {
namespace {

constexpr int kProgressTop = 999;

}  // namespace

CPrepareDlg::CPrepareDlg() : CDialog(IDD_PREPARE) {}

CPrepareDlg::~CPrepareDlg() {
  DestroyWindow();
  if (m_hFont) DeleteObject(m_hFont);
  if (m_hIcon && m_iconBlock.present()) DestroyIcon(m_hIcon);
}

void CPrepareDlg::DoDataExchange(DataExchange& exchange) {
  exchange.Control(IDCANCEL, m_hButton);
  exchange.Control(IDC_PREPARE_ICON, m_hIconControl);
  exchange.Control(IDC_PREPARE_PROGRESS, m_hProgress);
  exchange.Control(IDC_PREPARE_TEXT, m_hText);
  exchange.Text(IDC_PREPARE_TEXT, m_strMessage);
}

BOOL CPrepareDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  // The splash has no title bar; its title is what the taskbar shows.
  SetWindowTextA(m_hSplash, WindowText(hwnd()).c_str());
  const RECT own = ScreenRect(hwnd());
  const Rect place = PreparePlacement(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                      own.right - own.left, own.bottom - own.top);
  SetWindowPos(hwnd(), nullptr, place.left, place.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetProgressRange(m_hProgress, 0, kProgressTop);
  m_hFont = CreateFontFromSpec(m_strFont);
  m_hIcon = LoadPackageIcon(m_strOwnPath, m_iconBlock);
  SetStaticIcon(m_hIconControl, m_hIcon);
  SetWindowTextA(hwnd(), m_strCaption.c_str());
  SetWindowTextA(m_hText, m_strText.c_str());
  if (PrepareCancelInEnglish(m_strLanguage)) SetWindowTextA(m_hButton, "Cancel");
  return TRUE;
}

void CPrepareDlg::OnCancel() {
  SendMessageA(m_hSplash, WM_CLOSE, 0, 0);
  CDialog::OnCancel();
}

bool CPrepareDlg::OnMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR&) {
  // Every control draws its text in the configured font; the colours stay the system's, so
  // the message goes on to the default handling.
  if (IsControlColourMessage(message) && m_hFont) SelectObject(reinterpret_cast<HDC>(wParam), m_hFont);
  return false;
}

}  // namespace sk
