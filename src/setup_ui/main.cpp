// setup.exe: reads the package appended to its own file and writes the personalised
// uninstaller to the temporary folder.
#include <windows.h>

#include <cstdint>
#include <span>
#include <string>

#include "package/setup_loader.h"
#include "package/stub_marker.h"
#include "resource_ids.h"
#include "setup_ui/exit_codes.h"
#include "shared/process_paths.h"
#include "shared/resource_bytes.h"
#include "shared/start_failure.h"

namespace {

std::span<const std::uint8_t> Resource(int id, const char* type) {
  unsigned long size = 0;
  const unsigned char* bytes = sk::LoadResourceBytes(id, type, &size);
  return {bytes, bytes ? size : 0};
}

bool LoadPackage(sk::LoadedSetup& loaded) {
  std::string ownPath;
  std::string tempFolder;
  if (!sk::GetOwnPath(ownPath) || !sk::GetTempFolder(tempFolder)) return false;
  const sk::SetupResources resources{Resource(IDR_UNWISE_IMAGE, "EXE"),
                                     Resource(IDR_BUILTIN_PICTURE, "JPG")};
  return sk::LoadSetupConfig(ownPath, tempFolder, resources, loaded) == 1;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // The authoring tool appends packages only to files that carry the marker; taking its
  // address keeps it in the image.
  const char* volatile marker = sk::kStubMarkerBytes;
  (void)marker;

  sk::LoadedSetup loaded;
  if (!LoadPackage(loaded)) {
    sk::ReportStartFailure();
    return sk::kSetupExitStartFailed;
  }
  return sk::kSetupExitOk;
}
