// Restricts the DLL search as setup does, then loads the DLL named on its command line by its
// full path, first plainly and then with LoadLibraryBeside. Exit code: bit 0 set when the plain
// load worked, bit 1 when LoadLibraryBeside did.
#include <windows.h>

#include "shared/dll_hardening.h"

namespace {

bool Loads(HMODULE module) {
  if (!module) return false;
  FreeLibrary(module);
  return true;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  sk::HardenDllSearch();
  const bool plain = Loads(LoadLibraryA(commandLine));
  const bool beside = Loads(sk::LoadLibraryBeside(commandLine));
  return (plain ? 1 : 0) | (beside ? 2 : 0);
}
