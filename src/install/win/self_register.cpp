#include "install/win/self_register.h"

#include <windows.h>

namespace sk {
namespace {

using ServerEntry = HRESULT(STDAPICALLTYPE*)();

bool CallServerEntry(const std::string& path, const char* entryName) {
  // The process restricts where DLLs are searched; the altered search path lets the library's
  // own imports come from its folder.
  HMODULE library = LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  if (!library) return false;
  const auto entry = reinterpret_cast<ServerEntry>(reinterpret_cast<void*>(GetProcAddress(library, entryName)));
  if (entry && FAILED(entry())) {
    FreeLibrary(library);
    return false;
  }
  return true;
}

}  // namespace

bool RegisterServer(const std::string& path) { return CallServerEntry(path, "DllRegisterServer"); }

bool UnregisterServer(const std::string& path) { return CallServerEntry(path, "DllUnregisterServer"); }

}  // namespace sk
