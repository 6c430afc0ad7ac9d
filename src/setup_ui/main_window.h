// The application's main window and program icon, which setup's message boxes relate to: a
// box is owned by the main window (or the popup last active over it), and icon kind 0 shows
// the program icon only while there is a main window.
#pragma once

#include <windows.h>

namespace sk {

void SetMainWindow(HWND window);
HWND MainWindow();
void SetProgramIcon(HICON icon);
HICON ProgramIcon();

// The owner of a new box: the popup last active over the main window, or none.
HWND MessageOwner();

}  // namespace sk
