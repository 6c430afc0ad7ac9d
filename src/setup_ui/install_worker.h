// The install worker: installs every file entry in order on a thread of its own, keeps the
// copying page's status, time and total bar up to date, then runs setup.bat, writes the
// uninstaller and the registrations, and moves the wizard on to the finish page.
#pragma once

#include <windows.h>

namespace sk {

class CStep4;

// Starts the worker for page; the thread's handle, or null when it could not start.
HANDLE StartInstallWorker(CStep4& page);
void InstallWorker(CStep4& page);

}  // namespace sk
