// unwise.exe: reads the settings that setup appended to its own file.
#include <windows.h>

#include <string>

#include "package/uninstall_settings.h"
#include "shared/dll_hardening.h"
#include "shared/private_temp.h"
#include "shared/process_paths.h"
#include "shared/start_failure.h"
#include "unwise/exit_codes.h"

namespace {

bool LoadSettings(sk::UninstallSettings& settings) {
  std::string ownPath;
  return sk::GetOwnPath(ownPath) && sk::CreatePrivateTempFolder("unwise") &&
         sk::LoadUninstallerConfig(ownPath, sk::PrivateTempFolder(), settings) == 1;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  sk::HardenDllSearch();
  sk::UninstallSettings settings;
  const bool loaded = LoadSettings(settings);
  sk::RemovePrivateTempFolder();
  if (!loaded) {
    sk::ReportStartFailure();
    return sk::kUnwiseExitStartFailed;
  }
  return sk::kUnwiseExitOk;
}
