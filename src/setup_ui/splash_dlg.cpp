#include "setup_ui/splash_dlg.h"

#include "resource_ids.h"
#include "setup_ui/splash_progress.h"
#include "setup_ui/startup_layout.h"
#include "shared/controls.h"

namespace sk {
namespace {

// Milliseconds counted so far. The splash runs once per process, so the count is never reset.
int g_nSplashCounter = 0;

}  // namespace

CSplashDlg::CSplashDlg() : CDialog(IDD_SPLASH) {}

BOOL CSplashDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  const Rect place = SplashRect(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  SetWindowPos(hwnd(), nullptr, place.left, place.top, place.width(), place.height(), SWP_NOZORDER);
  if (!m_prepare.m_strCaption.empty()) {
    m_prepare.m_hSplash = hwnd();
    m_prepare.Create(hwnd());
  }
  SetTimer(hwnd(), IDT_SPLASH, kSplashTickMs, nullptr);
  return TRUE;
}

bool CSplashDlg::OnMessage(UINT message, WPARAM, LPARAM, INT_PTR& result) {
  if (message == WM_TIMER) {
    OnTimer();
    return false;  // and the default handling
  }
  if (message == WM_PAINT) {
    OnPaint();
    result = TRUE;
    return true;
  }
  return false;
}

void CSplashDlg::OnTimer() {
  if (g_nSplashCounter == 0 && PrepareExists()) ShowWindow(m_prepare.hwnd(), SW_SHOW);
  const SplashTick tick = NextSplashTick(g_nSplashCounter, m_nDuration);
  g_nSplashCounter = tick.counter;
  if (PrepareExists()) SetProgressPos(m_prepare.Progress(), tick.progress);
  if (tick.done) {
    KillTimer(hwnd(), IDT_SPLASH);
    EndDialog(kSplashDone);
  }
}

void CSplashDlg::OnPaint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd(), &paint);
  if (m_pPicture && m_pPicture->loaded()) {
    // Over the whole window, border included.
    const RECT r = ScreenToClientRect(hwnd(), ScreenRect(hwnd()));
    m_pPicture->Draw(dc, r.left, r.top, r.right - r.left, r.bottom - r.top);
  }
  EndPaint(hwnd(), &paint);
}

}  // namespace sk
