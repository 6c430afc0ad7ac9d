#include "setup_ui/background_dlg.h"

#include "resource_ids.h"
#include "setup_ui/font_object.h"
#include "setup_ui/gradient_brush.h"
#include "setup_ui/startup_layout.h"
#include "shared/controls.h"

namespace sk {
namespace {

constexpr LONG_PTR kTitleBarStyles = WS_CAPTION | WS_SYSMENU | WS_MAXIMIZEBOX;

}  // namespace

CBackgroundDlg::CBackgroundDlg() : CDialog(IDD_BACKGROUND) {}

CBackgroundDlg::~CBackgroundDlg() {
  DestroyWindow();
  if (m_hBrush) DeleteObject(m_hBrush);
}

BOOL CBackgroundDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  HWND window = hwnd();
  // Not on the taskbar: the wizard is the program's button there.
  SetWindowLongPtrA(window, GWL_EXSTYLE, GetWindowLongPtrA(window, GWL_EXSTYLE) & ~WS_EX_APPWINDOW);
  if (!m_bTitleBar)
    SetWindowLongPtrA(window, GWL_STYLE, GetWindowLongPtrA(window, GWL_STYLE) & ~kTitleBarStyles);
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
  const BackgroundFill fill = BackgroundFillFor(m_nFill);
  if (fill == BackgroundFill::kSolid) {
    m_hBrush = CreateSolidBrush(m_crColour);
  } else if (fill != BackgroundFill::kNone) {
    HDC dc = GetDC(window);
    m_hBrush = MakeGradientBrush(dc, width, height, m_crColour, kBackgroundBand,
                                 fill == BackgroundFill::kTowardWhite);
    ReleaseDC(window, dc);
  }
  SetWindowTextA(window, m_strCaption.c_str());
  return TRUE;
}

bool CBackgroundDlg::OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
  if (IsControlColourMessage(message) && m_hBrush) {
    result = reinterpret_cast<INT_PTR>(m_hBrush);
    return true;
  }
  if (message == WM_NCACTIVATE) {
    // The title bar always looks active, also while the wizard in front of it is.
    SetMessageResult(DefWindowProcA(hwnd(), WM_NCACTIVATE, TRUE, lParam));
    result = TRUE;
    return true;
  }
  if (message == WM_PAINT) {
    OnPaint();
    result = TRUE;
    return true;
  }
  return false;
}

void CBackgroundDlg::OnPaint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd(), &paint);
  if (m_pPicture && m_pPicture->loaded()) {
    const RECT r = ScreenRect(hwnd());
    m_pPicture->Draw(dc, r.left, r.top, r.right - r.left, r.bottom - r.top);
  }
  SetBkMode(dc, TRANSPARENT);
  const FontSpec spec = ParseFontSpec(m_strHeadlineFont);
  const LOGFONTA logFont = ToLogFont(spec);
  HFONT font = CreateFontIndirectA(&logFont);
  HGDIOBJ previous = SelectObject(dc, font);
  const int shadow = ShadowOffset(spec);
  const int length = static_cast<int>(m_strHeadline.size());
  SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
  TextOutA(dc, 5 + shadow, 10 + shadow, m_strHeadline.c_str(), length);
  SetTextColor(dc, m_crHeadline);
  TextOutA(dc, 5, 10, m_strHeadline.c_str(), length);
  SelectObject(dc, previous);
  DeleteObject(font);
  EndPaint(hwnd(), &paint);
}

}  // namespace sk
