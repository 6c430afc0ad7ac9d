// A self-registering DLL as a package would install it, importing a DLL of its own that lies
// beside it.
#include <windows.h>

extern "C" __declspec(dllimport) int WINAPI PluginDependencyAnswer();

extern "C" __declspec(dllexport) HRESULT WINAPI DllRegisterServer() {
  return PluginDependencyAnswer() == 42 ? S_OK : E_FAIL;
}
