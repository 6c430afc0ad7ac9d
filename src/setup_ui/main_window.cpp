#include "setup_ui/main_window.h"

namespace sk {
namespace {

HWND g_hMainWnd = nullptr;
HICON g_hProgramIcon = nullptr;

}  // namespace

void SetMainWindow(HWND window) { g_hMainWnd = window; }
HWND MainWindow() { return g_hMainWnd; }
void SetProgramIcon(HICON icon) { g_hProgramIcon = icon; }
HICON ProgramIcon() { return g_hProgramIcon; }

HWND MessageOwner() { return g_hMainWnd ? GetLastActivePopup(g_hMainWnd) : nullptr; }

}  // namespace sk
