// unwise.exe, the uninstaller.
#include <windows.h>

#include "shared/dll_hardening.h"
#include "unwise/unwise_app.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  sk::HardenDllSearch();
  static sk::CUnwiseApp app;
  return app.InitInstance(commandLine ? commandLine : "");
}
