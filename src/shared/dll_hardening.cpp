#include "shared/dll_hardening.h"

namespace sk {
namespace {

// The LOAD_LIBRARY_SEARCH_* flags exist exactly where SetDefaultDllDirectories does.
bool g_searchFlagsAvailable = false;

template <typename Function>
Function Kernel32Function(const char* name) {
  HMODULE kernel32 = GetModuleHandleA("kernel32.dll");
  return kernel32 ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(kernel32, name)))
                  : nullptr;
}

}  // namespace

bool HardenDllSearch() {
  // Looked up at run time: a static import of either function would keep the program from
  // starting on systems that lack it.
  using SetDllDirectoryFn = BOOL(WINAPI*)(LPCSTR);
  using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
  if (auto setDllDirectory = Kernel32Function<SetDllDirectoryFn>("SetDllDirectoryA"))
    setDllDirectory("");
  auto setDefault = Kernel32Function<SetDefaultDllDirectoriesFn>("SetDefaultDllDirectories");
  g_searchFlagsAvailable = setDefault && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
  return g_searchFlagsAvailable;
}

HMODULE LoadLibraryBeside(const char* fullPath) {
  const DWORD flags = g_searchFlagsAvailable
                          ? LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32
                          : LOAD_WITH_ALTERED_SEARCH_PATH;
  return LoadLibraryExA(fullPath, nullptr, flags);
}

}  // namespace sk
