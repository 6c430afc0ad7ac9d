#include "setup_ui/message_dlg.h"

#include "resource_ids.h"
#include "setup_ui/main_window.h"
#include "setup_ui/message_layout.h"
#include "setup_ui/startup_layout.h"
#include "shared/controls.h"

namespace sk {
namespace {

constexpr int kButtonIds[3] = {IDC_MESSAGE_BUTTON1, IDC_MESSAGE_BUTTON2, IDC_MESSAGE_BUTTON3};
constexpr int kLineBufferBytes = 255;
constexpr int kEndedByKey = -1;

HICON IconFor(int kind) {
  switch (MessageIconFor(kind, MainWindow() != nullptr)) {
    case MessageIcon::kProgram: return ProgramIcon();
    case MessageIcon::kExclamation: return LoadIconA(nullptr, IDI_EXCLAMATION);
    case MessageIcon::kQuestion: return LoadIconA(nullptr, IDI_QUESTION);
    case MessageIcon::kStop: return LoadIconA(nullptr, IDI_HAND);
    case MessageIcon::kNone: break;
  }
  return nullptr;
}

Rect AsRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
RECT AsRECT(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

// The bytes of the edit control's longest line as it wraps now; a line longer than the
// buffer counts as the buffer. -1 without lines.
int LongestLine(HWND edit, int lines) {
  int longest = -1;
  for (int i = 0; i < lines; ++i) {
    char buffer[kLineBufferBytes] = {};
    *reinterpret_cast<WORD*>(buffer) = kLineBufferBytes;  // EM_GETLINE reads its size here
    const auto length = static_cast<int>(SendMessageA(edit, EM_GETLINE, static_cast<WPARAM>(i),
                                                      reinterpret_cast<LPARAM>(buffer)));
    if (length > longest) longest = length;
  }
  return longest;
}

}  // namespace

int ShowMessage(std::string text, std::string caption, int iconKind, int count, const char* label1,
                const char* label2, const char* label3) {
  CMessageDlg box;
  box.m_strText = std::move(text);
  box.m_strCaption = std::move(caption);
  box.m_hIcon = IconFor(iconKind);
  box.m_nCount = count;
  const char* labels[3] = {label1, label2, label3};
  for (int i = 0; i < 3 && i < count; ++i)
    if (labels[i]) box.m_strLabel[i] = labels[i];
  return static_cast<int>(box.DoModal(MessageOwner()));
}

CMessageDlg::CMessageDlg() : CDialog(IDD_MESSAGE) {}

void CMessageDlg::DoDataExchange(DataExchange& exchange) {
  exchange.Control(IDC_MESSAGE_TEXT, m_hText);
  for (int i = 0; i < 3; ++i) exchange.Control(kButtonIds[i], m_hButton[i]);
  exchange.Control(IDC_MESSAGE_ICON, m_hIconControl);
  exchange.Text(IDC_MESSAGE_TEXT, m_strText);
}

BOOL CMessageDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  LayOut();
  if (m_hIcon) SetStaticIcon(m_hIconControl, m_hIcon);
  for (int i = 0; i < 3; ++i) SetWindowTextA(m_hButton[i], m_strLabel[i].c_str());
  if (m_strCaption.empty()) {
    char title[256] = {};
    if (HWND owner = GetParent(hwnd())) GetWindowTextA(owner, title, 255);
    m_strCaption = title;
  }
  SetWindowTextA(hwnd(), m_strCaption.c_str());
  for (int i = 0; i < 3; ++i)
    if (m_nCount < i + 1) ShowWindow(m_hButton[i], SW_HIDE);
  MessageBeep(0);
  return TRUE;
}

void CMessageDlg::LayOut() {
  MessageLayoutInput in;
  in.lines = static_cast<int>(SendMessageA(m_hText, EM_GETLINECOUNT, 0, 0));
  in.longestLine = LongestLine(m_hText, in.lines);
  HDC dc = GetDC(m_hText);
  SIZE extent = {};
  GetTextExtentPointA(dc, "#", 1, &extent);
  ReleaseDC(m_hText, dc);
  in.charWidth = extent.cx;
  in.charHeight = extent.cy;
  in.dialog = AsRect(ScreenRect(hwnd()));
  in.text = AsRect(ScreenRect(m_hText));
  for (int i = 0; i < 3; ++i) in.buttons[i] = AsRect(ScreenRect(m_hButton[i]));
  in.buttonCount = m_nCount;
  in.screenWidth = GetSystemMetrics(SM_CXSCREEN);

  const MessageLayout out = LayOutMessageBox(in);
  MoveWindow(hwnd(), out.dialog.left, out.dialog.top, out.dialog.width(), out.dialog.height(), TRUE);
  MoveToScreenRect(m_hText, AsRECT(out.text));
  for (int i = 0; i < 3; ++i) MoveToScreenRect(m_hButton[i], AsRECT(out.buttons[i]));
}

bool CMessageDlg::OnCommand(WORD id, WORD, HWND) {
  for (int i = 0; i < 3; ++i)
    if (id == kButtonIds[i]) {
      EndDialog(i + 1);
      return true;
    }
  // Cancel and OK come from keys the box has no buttons for. Cancel answers as Escape does.
  // OK is Enter without a default button: it presses the button that has the focus, since
  // the dialog manager does not always make the focused button the default one.
  if (id == IDCANCEL) EndDialog(kEndedByKey);
  if (id == IDOK) {
    HWND focus = GetFocus();
    for (int i = 0; i < 3; ++i)
      if (focus == m_hButton[i] && i < m_nCount) EndDialog(i + 1);
  }
  return id == IDCANCEL || id == IDOK;
}

void CMessageDlg::OnClose() { EndDialog(kEndedByKey); }

bool CMessageDlg::PreTranslateMessage(MSG& message) {
  if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) {
    EndDialog(kEndedByKey);
    return true;
  }
  // The text is not for selecting, focusing or a context menu.
  const bool press = message.message == WM_LBUTTONDOWN || message.message == WM_RBUTTONDOWN ||
                     message.message == WM_LBUTTONDBLCLK || message.message == WM_RBUTTONDBLCLK;
  if (press && message.hwnd == m_hText) return true;
  return CDialog::PreTranslateMessage(message);
}

}  // namespace sk
