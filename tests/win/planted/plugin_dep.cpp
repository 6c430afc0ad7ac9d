// A DLL that the plugin below imports, found only in the plugin's own folder.
#include <windows.h>

extern "C" __declspec(dllexport) int WINAPI PluginDependencyAnswer() { return 42; }
