// The package's own batch file, run in the install folder once every file is in place.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

namespace sk {

// Starts installFolder\setup.bat when it exists and waits for it to end. The launch record
// keeps the process handle while it runs, so that the copying page can tell that the batch file
// has started and refuse Cancel from then on. Nothing happens when there is no batch file; a
// launch that fails leaves the handle null.
void RunSetupBat(const std::string& installFolder, SHELLEXECUTEINFOA& launch);

}  // namespace sk
