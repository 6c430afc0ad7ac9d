// The background music's thread. Started once at start-up and never waited for.
#pragma once

#include <windows.h>

namespace sk {

// Plays the package's music until setup ends (g_bExiting). The player itself is not built
// yet: for now the thread ends at once and the package's music stays unplayed, exactly as for
// a package without music. It plays nothing and pretends nothing.
DWORD WINAPI MusicThreadProc(LPVOID);

// Starts it with default priority and stack and no argument; the thread is not kept.
void StartMusicThread();

}  // namespace sk
