#include "shared/controls.h"

#include <commctrl.h>

#include <vector>

namespace sk {

void SetItemText(HWND dialog, int id, const std::string& text) {
  SetDlgItemTextA(dialog, id, text.c_str());
}

std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  if (length <= 0) return {};
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
  const int read = GetWindowTextA(window, buffer.data(), length + 1);
  return std::string(buffer.data(), read > 0 ? static_cast<std::size_t>(read) : 0);
}

std::string ItemText(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }

void ShowItem(HWND dialog, int id, bool show) {
  ShowWindow(GetDlgItem(dialog, id), show ? SW_SHOW : SW_HIDE);
}

void EnableItem(HWND dialog, int id, bool enable) { EnableWindow(GetDlgItem(dialog, id), enable); }

void SetProgressRange(HWND bar, int low, int high) {
  SendMessageA(bar, PBM_SETRANGE, 0, MAKELPARAM(low, high));
}

void SetProgressPos(HWND bar, int position) { SendMessageA(bar, PBM_SETPOS, static_cast<WPARAM>(position), 0); }

void SetStaticIcon(HWND control, HICON icon) {
  SendMessageA(control, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
}

RECT ScreenRect(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  return rect;
}

RECT ScreenToClientRect(HWND window, RECT rect) {
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void MoveToScreenRect(HWND control, const RECT& screen) {
  const RECT r = ScreenToClientRect(GetParent(control), screen);
  MoveWindow(control, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

}  // namespace sk
