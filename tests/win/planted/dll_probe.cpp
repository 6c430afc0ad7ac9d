// Calls one function of each planted DLL's namesake. Built three ways (see CMakeLists.txt):
// with ordinary imports, delay-loaded alone, and the way setup.exe is built (delay-loaded with
// the search restricted first).
#include <windows.h>
#include <commctrl.h>
#include <winver.h>

#ifdef SK_PROBE_HARDENED
#include "shared/dll_hardening.h"
#endif

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
#ifdef SK_PROBE_HARDENED
  sk::HardenDllSearch();
#endif
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);
  timeGetTime();
  DWORD handle = 0;
  GetFileVersionInfoSizeA("kernel32.dll", &handle);
  return 0;
}
