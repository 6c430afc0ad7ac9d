// Small operations on the controls of a dialog.
#pragma once

#include <windows.h>

#include <string>

namespace sk {

void SetItemText(HWND dialog, int id, const std::string& text);
std::string ItemText(HWND dialog, int id);
std::string WindowText(HWND window);
void ShowItem(HWND dialog, int id, bool show);
void EnableItem(HWND dialog, int id, bool enable);

// Progress bars.
void SetProgressRange(HWND bar, int low, int high);
void SetProgressPos(HWND bar, int position);

// An icon-style static control shows icon (null clears it).
void SetStaticIcon(HWND control, HICON icon);

// WM_CTLCOLORMSGBOX to WM_CTLCOLORSTATIC: a control (or the dialog) asks for its colours.
inline bool IsControlColourMessage(UINT message) {
  return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

// A window's rectangle on the screen, and a screen rectangle in a window's client coordinates.
RECT ScreenRect(HWND window);
RECT ScreenToClientRect(HWND window, RECT rect);
// Moves a control to a rectangle given in screen coordinates, repainting it.
void MoveToScreenRect(HWND control, const RECT& screen);

}  // namespace sk
