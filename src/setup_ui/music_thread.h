// The background music's thread. Started once at start-up; it plays the package's music in a
// loop until setup ends (g_bExiting), then closes its device and deletes its music file.
#pragma once

#include <windows.h>

namespace sk {

DWORD WINAPI MusicThreadProc(LPVOID);

// Starts it with default priority and stack and no argument.
void StartMusicThread();

}  // namespace sk
