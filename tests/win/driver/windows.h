// Finding the windows of a program under test and reading their state from outside, as an
// accessibility tool would: window texts, styles, rectangles and the controls' own messages.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "win/driver/wait.h"

namespace sk::gui {

// Which top-level windows match; every field that is set must hold.
struct WindowQuery {
  DWORD processId = 0;                    // 0: any process
  std::optional<std::string> title;       // exact window text (GBK bytes)
  std::optional<std::string> className;   // exact class name, "#32770" for dialogs
  std::optional<HWND> owner;              // the window's owner; nullptr for unowned windows
  bool visibleOnly = true;
};

// The matching top-level windows, in the system's z-order.
std::vector<HWND> FindWindows(const WindowQuery& query);
// The first matching window once one exists, or nullptr after timeoutMs.
HWND WaitForWindow(const WindowQuery& query, DWORD timeoutMs = DefaultWaitMs());
// True once the window is destroyed or hidden, false when it is still shown after timeoutMs.
bool WaitForWindowGone(HWND window, DWORD timeoutMs = DefaultWaitMs());

// Sends a message and waits (bounded) for the answer; false when the window did not answer.
bool Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
// The same for a message whose lParam points at a text: the text is placed in the memory of
// the window's process, where a pointer into this process would mean nothing. False when it
// could not be placed there or the window did not answer.
bool AskWithText(HWND window, UINT message, WPARAM wParam, const std::string& text, LRESULT& result);
// The text of a tree view's selected item, read through the memory of the tree's process;
// "" when nothing is selected or the tree did not answer.
std::string SelectedTreeItemText(HWND tree);

std::string WindowText(HWND window);
std::string ClassName(HWND window);
HWND Owner(HWND window);
// The control with that id in a dialog, or nullptr.
HWND Control(HWND dialog, int id);
std::string ControlText(HWND dialog, int id);

bool IsShown(HWND window);    // WS_VISIBLE set on the window itself
bool IsEnabled(HWND window);
bool HasStyle(HWND window, LONG_PTR style);  // every bit of style in GWL_STYLE
// These give -1 when the control does not answer.
int CheckState(HWND button);                 // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE
int ProgressPosition(HWND progressBar);      // PBM_GETPOS
bool HasIcon(HWND staticControl);            // STM_GETICON gives a handle
RECT ScreenRect(HWND window);                // GetWindowRect
RECT ClientRect(HWND window);

}  // namespace sk::gui
