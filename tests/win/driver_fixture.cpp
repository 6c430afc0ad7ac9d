// A small window for the GUI driver's own tests: known controls, a known background colour, and
// an exit code that tells which input ended it. "hang" makes it stop answering; "spawn" starts a
// second copy and waits for it, so that ending a whole process tree can be seen.
#include <windows.h>
#include <commctrl.h>

#include <cstring>

#include "win/driver_fixture.h"

namespace {

using namespace sk::test::fixture;

LRESULT CALLBACK FixtureProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == kOkButtonId && HIWORD(wParam) == BN_CLICKED) PostQuitMessage(kExitOkButton);
      if (LOWORD(wParam) == IDCANCEL) PostQuitMessage(kExitEscape);
      if (LOWORD(wParam) == IDOK) PostQuitMessage(kExitEnter);
      return 0;
    case WM_CLOSE:
      PostQuitMessage(kExitClosed);
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

HWND AddControl(HWND parent, const char* className, const char* text, DWORD style, int id, int x, int y) {
  return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, 100, 24, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

HWND CreateFixtureWindow(HINSTANCE instance, const char* title) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = FixtureProc;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = CreateSolidBrush(RGB(kBackground[0], kBackground[1], kBackground[2]));
  windowClass.lpszClassName = kClassName;
  RegisterClassA(&windowClass);
  // Shown once complete, as a dialog is, so that whoever finds it finds all of it.
  HWND window = CreateWindowExA(0, kClassName, title, WS_OVERLAPPEDWINDOW, 40, 40,
                                kWidth, kHeight, nullptr, nullptr, instance, nullptr);
  HWND ok = AddControl(window, "BUTTON", kOkLabel, WS_TABSTOP | BS_PUSHBUTTON, kOkButtonId, 10, 10);
  AddControl(window, "BUTTON", "check", BS_AUTOCHECKBOX, kCheckBoxId, 10, 40);
  SendDlgItemMessageA(window, kCheckBoxId, BM_SETCHECK, BST_CHECKED, 0);
  AddControl(window, PROGRESS_CLASSA, "", 0, kProgressId, 10, 70);
  SendDlgItemMessageA(window, kProgressId, PBM_SETRANGE, 0, MAKELPARAM(0, 999));
  SendDlgItemMessageA(window, kProgressId, PBM_SETPOS, kProgressPosition, 0);
  EnableWindow(AddControl(window, "BUTTON", "off", BS_PUSHBUTTON, kDisabledId, 10, 100), FALSE);
  AddControl(window, "STATIC", "hidden", 0, kHiddenId, 10, 130);
  ShowWindow(GetDlgItem(window, kHiddenId), SW_HIDE);
  ShowWindow(window, SW_SHOW);
  SetFocus(ok);
  return window;
}

int SpawnCopy() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, sizeof path);
  char commandLine[MAX_PATH + 16] = {};
  std::strcat(std::strcat(std::strcat(commandLine, "\""), path), "\" child");
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  if (!CreateProcessA(path, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
    return kExitSpawnFailed;
  WaitForSingleObject(info.hProcess, INFINITE);
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);
  if (std::strstr(commandLine, "spawn")) return SpawnCopy();
  const bool child = std::strstr(commandLine, "child") != nullptr;
  HWND window = CreateFixtureWindow(instance, child ? kChildTitle : kTitle);
  if (std::strstr(commandLine, "hang")) {
    for (;;) Sleep(1000);
  }
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (IsDialogMessageA(window, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}
