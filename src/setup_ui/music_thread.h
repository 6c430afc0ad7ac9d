// The background music's thread. Started once at start-up; it plays the package's music in a
// loop until setup ends (g_bExiting), then closes its device and deletes its music file.
#pragma once

#include <windows.h>

namespace sk {

DWORD WINAPI MusicThreadProc(LPVOID);

// Starts it with default priority and stack and no argument.
void StartMusicThread();
// Once g_bExiting is set: ends the thread's pause between two checks at once, so that it stops
// while setup goes through the rest of its shutdown.
void WakeMusicThread();
// Waits, a few seconds at most, until the thread has closed its device and deleted its file:
// the temporary folder can go only after that, and the process must not end before it.
void WaitForMusicThread();

}  // namespace sk
