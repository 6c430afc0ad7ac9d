// Acting on another program's windows the way a user would: clicks, keys and the close box.
// Everything is posted, so a window that opens a modal box in response cannot block the test.
#pragma once

#include <windows.h>

namespace sk::gui {

// A click on a push button (BM_CLICK).
bool Click(HWND button);
// A mouse click at a point of the screen through the system's input, as a user's hand makes
// it: the window there is activated and gets the button messages. Left or right button.
bool ClickAt(POINT screen, bool rightButton = false);
// A key press (key-down and key-up) delivered where the keyboard would deliver it: the focused
// window of the thread that owns window, or window itself when that thread has no focus.
bool PressKey(HWND window, UINT virtualKey);
inline bool PressEscape(HWND window) { return PressKey(window, VK_ESCAPE); }
inline bool PressEnter(HWND window) { return PressKey(window, VK_RETURN); }
// The close box of the title bar (WM_SYSCOMMAND SC_CLOSE, which becomes WM_CLOSE).
bool UseCloseBox(HWND window);

}  // namespace sk::gui
