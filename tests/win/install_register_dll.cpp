// A self-registering library for the install tests: each entry point appends its name and the
// library's path to the file that SK_REGISTER_LOG names.
#include <windows.h>

#include <cstdio>

namespace {

HRESULT Record(const char* entry) {
  char log[MAX_PATH] = {};
  if (!GetEnvironmentVariableA("SK_REGISTER_LOG", log, sizeof log)) return E_FAIL;
  char self[MAX_PATH] = {};
  HMODULE module = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&Record), &module);
  GetModuleFileNameA(module, self, sizeof self);
  FILE* file = std::fopen(log, "ab");
  if (!file) return E_FAIL;
  std::fprintf(file, "%s %s\n", entry, self);
  std::fclose(file);
  return S_OK;
}

}  // namespace

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllRegisterServer() { return Record("register"); }
extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllUnregisterServer() { return Record("unregister"); }
