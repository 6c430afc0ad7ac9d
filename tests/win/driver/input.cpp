#include "win/driver/input.h"

namespace sk::gui {
namespace {

HWND KeyboardTarget(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  const DWORD thread = GetWindowThreadProcessId(window, nullptr);
  if (thread && GetGUIThreadInfo(thread, &info) && info.hwndFocus) return info.hwndFocus;
  return window;
}

// The lParam of a key message: repeat count 1, the key's scan code, and for key-up the
// previous-state and transition bits.
LPARAM KeyData(UINT virtualKey, bool up) {
  const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC)) << 16;
  return 1 | scan | (up ? static_cast<LPARAM>(0xC0000000u) : 0);
}

}  // namespace

bool Click(HWND button) { return PostMessageA(button, BM_CLICK, 0, 0) != FALSE; }

bool ClickAt(POINT screen, bool rightButton) {
  if (!SetCursorPos(screen.x, screen.y)) return false;
  INPUT presses[2] = {};
  presses[0].type = presses[1].type = INPUT_MOUSE;
  presses[0].mi.dwFlags = rightButton ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
  presses[1].mi.dwFlags = rightButton ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
  return SendInput(2, presses, sizeof presses[0]) == 2;
}

bool PressKey(HWND window, UINT virtualKey) {
  HWND target = KeyboardTarget(window);
  return PostMessageA(target, WM_KEYDOWN, virtualKey, KeyData(virtualKey, false)) &&
         PostMessageA(target, WM_KEYUP, virtualKey, KeyData(virtualKey, true));
}

bool UseCloseBox(HWND window) { return PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0) != FALSE; }

}  // namespace sk::gui
