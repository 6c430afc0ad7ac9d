// A DLL planted beside a program under test, named like a system DLL. Loading it leaves
// "<its own path>.loaded", so a test can tell whether a program picked it up. It exports the
// functions the probe programs call, so that a program importing them statically still starts.
#include <windows.h>

namespace {

void LeaveMarker(HINSTANCE self) {
  char path[MAX_PATH + 8] = {};
  const DWORD length = GetModuleFileNameA(self, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  lstrcatA(path, ".loaded");
  HANDLE marker = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (marker != INVALID_HANDLE_VALUE) CloseHandle(marker);
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) LeaveMarker(self);
  return TRUE;
}

// Each DLL's .def file exports the one of these that its real namesake has.
extern "C" DWORD WINAPI MarkerTimeGetTime() { return 1; }
extern "C" DWORD WINAPI MarkerGetFileVersionInfoSizeA(LPCSTR, LPDWORD) { return 0; }
extern "C" BOOL WINAPI MarkerInitCommonControlsEx(const void*) { return TRUE; }
