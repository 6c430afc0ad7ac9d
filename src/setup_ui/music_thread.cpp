#include "setup_ui/music_thread.h"

#include <string>

#include "package/file_io.h"
#include "package/range_io.h"
#include "setup_ui/music_player.h"
#include "setup_ui/music_rules.h"
#include "setup_ui/setup_app.h"
#include "shared/private_temp.h"

namespace sk {
namespace {

// Set together with g_bExiting. The thread pauses on it between its checks of the device
// instead of asking the device without a break, which kept a processor busy for as long as
// setup ran.
HANDLE g_hWake = nullptr;
HANDLE g_hMusicThread = nullptr;

// A piece that has ended starts again within this time.
constexpr DWORD kCheckMillis = 1000;
// Closing a device and deleting a file take far less; a device that hangs does not keep setup.
constexpr DWORD kStopLimitMillis = 5000;

}  // namespace

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
    WaitForSingleObject(g_hWake, kCheckMillis);
    if (!player.IsPlaying()) {
      player.Rewind();
      player.Play();
    }
  }
}

void StartMusicThread() {
  g_hWake = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  g_hMusicThread = CreateThread(nullptr, 0, MusicThreadProc, nullptr, 0, nullptr);
}

void WakeMusicThread() {
  if (g_hWake) SetEvent(g_hWake);
}

void WaitForMusicThread() {
  if (g_hMusicThread) WaitForSingleObject(g_hMusicThread, kStopLimitMillis);
}

}  // namespace sk
