#include "setup_ui/music_thread.h"

namespace sk {

DWORD WINAPI MusicThreadProc(LPVOID) { return 0; }

void StartMusicThread() {
  HANDLE thread = CreateThread(nullptr, 0, MusicThreadProc, nullptr, 0, nullptr);
  if (thread) CloseHandle(thread);
}

}  // namespace sk
