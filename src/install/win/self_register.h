// Self-registration of an installed library and its reverse for the uninstaller.
#pragma once

#include <string>

namespace sk {

// Loads the library at path so that it finds its own dependencies beside it, and calls its
// DllRegisterServer. False when it does not load or the call fails (the library is then
// freed); otherwise true, also without that export, and the library stays loaded.
bool RegisterServer(const std::string& path);
// The same with DllUnregisterServer.
bool UnregisterServer(const std::string& path);

}  // namespace sk
