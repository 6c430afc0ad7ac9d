#include "setup_ui/side_panel_dlg.h"

#include "resource_ids.h"
#include "setup_ui/side_panel_layout.h"
#include "shared/controls.h"

namespace sk {
namespace {

constexpr UINT kMovieCheckMs = 3000;

// The procedure the control's window had before the filter; one panel per process.
WNDPROC g_pfnControlProc = nullptr;

// The movie's context menu never opens; everything else goes to the control.
LRESULT CALLBACK ControlFilterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const WNDPROC original = g_pfnControlProc;
  if (message == WM_RBUTTONDOWN) return 1;
  if (message == WM_CLOSE) SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
  return CallWindowProcA(original, window, message, wParam, lParam);
}

}  // namespace

CFlashDlg::CFlashDlg() : CDialog(IDD_BACKGROUND) {}

CFlashDlg::~CFlashDlg() { DestroyWindow(); }

BOOL CFlashDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  const HWND panel = hwnd();
  SetWindowLongPtrA(panel, GWL_STYLE, GetWindowLongPtrA(panel, GWL_STYLE) & ~WS_CAPTION);
  SetWindowLongPtrA(panel, GWL_EXSTYLE, GetWindowLongPtrA(panel, GWL_EXSTYLE) | WS_EX_STATICEDGE);
  SetWindowPos(panel, HWND_TOP, x, y, kSidePanelWidth, kSidePanelHeight, SWP_NOACTIVATE | SWP_FRAMECHANGED);
  // The wizard's property sheet runs the loop while the panel exists; the panel still sees
  // its messages first.
  FilterForeignLoops();
  if (!m_bFlash) return TRUE;
  const RECT rect = ScreenToClientRect(panel, ScreenRect(panel));
  m_bFlashCreated = m_flash.Create("", "", 0, rect, panel, 0) ? 1 : 0;
  if (m_bFlashCreated) FilterControlWindow();
  return TRUE;
}

void CFlashDlg::FilterControlWindow() {
  const HWND control = m_flash.window();
  g_pfnControlProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ControlFilterProc)));
}

bool CFlashDlg::OnMessage(UINT message, WPARAM, LPARAM, INT_PTR& result) {
  switch (message) {
    case WM_PAINT:
      OnPaint();
      result = TRUE;
      return true;
    case WM_TIMER:
      m_flash.RestartWhenStopped();
      return false;
    case WM_DESTROY:
      // The control goes before the panel, as the container's own teardown would have it.
      m_flash.Destroy();
      KillTimer(hwnd(), IDT_SIDE_PANEL);
      return false;
    default:
      return false;
  }
}

void CFlashDlg::OnPaint() {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(hwnd(), &paint);
  if (m_bFlash && m_bFlashCreated) {
    m_flash.PlayMovieOnce(m_strMoviePath);
    SetTimer(hwnd(), IDT_SIDE_PANEL, kMovieCheckMs, nullptr);
  } else if (m_pPicture && m_pPicture->loaded()) {
    const RECT r = ScreenToClientRect(hwnd(), ScreenRect(hwnd()));
    m_pPicture->Draw(dc, r.left, r.top, r.right - r.left, r.bottom - r.top);
  }
  EndPaint(hwnd(), &paint);
}

bool CFlashDlg::PreTranslateMessage(MSG& message) {
  if (message.message == WM_PAINT) return CDialog::PreTranslateMessage(message);
  if (GetActiveWindow() == hwnd()) SetActiveWindow(GetParent(hwnd()));
  return false;
}

}  // namespace sk
