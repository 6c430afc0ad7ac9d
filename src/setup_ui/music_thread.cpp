#include "setup_ui/music_thread.h"

#include <string>

#include "package/file_io.h"
#include "package/range_io.h"
#include "setup_ui/music_player.h"
#include "setup_ui/music_rules.h"
#include "setup_ui/setup_app.h"
#include "shared/private_temp.h"

namespace sk {

DWORD WINAPI MusicThreadProc(LPVOID) {
  const SetupConfig& config = g_pApp->config();
  const std::string name = MusicFileName(config.musicExtension);
  if (name.empty()) return 0;
  const std::string path = JoinPath(PrivateTempFolder(), name);
  ClearFileAttributes(path);
  ExtractRange(path, g_pApp->m_strOwnPath, config.music.offset, config.music.length);

  // The results do not matter: a file that cannot be played is silence until setup ends.
  CMusicPlayer player;
  player.Open(path);
  player.Play();
  for (;;) {
    if (g_bExiting) {
      player.Close();
      DeleteFilePath(path);
      return 0;
    }
    WaitForSingleObject(nullptr, 1000);
    if (!player.IsPlaying()) {
      player.Rewind();
      player.Play();
    }
  }
}

void StartMusicThread() {
  HANDLE thread = CreateThread(nullptr, 0, MusicThreadProc, nullptr, 0, nullptr);
  if (thread) CloseHandle(thread);
}

}  // namespace sk
