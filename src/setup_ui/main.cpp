// setup.exe: the installer runtime. Everything happens inside the application object.
#include <windows.h>

#include "package/stub_marker.h"
#include "setup_ui/setup_app.h"
#include "shared/dll_hardening.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  sk::HardenDllSearch();
  // The authoring tool appends packages only to files that carry the marker; taking its
  // address keeps it in the image.
  const char* volatile marker = sk::kStubMarkerBytes;
  (void)marker;

  // Made here rather than as a global, so that nothing of it runs before this function.
  static sk::CSetupApp app;
  return app.InitInstance();
}
