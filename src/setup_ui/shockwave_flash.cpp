#include "setup_ui/shockwave_flash.h"

namespace sk {
namespace {

constexpr long kScaleModeOfThePanel = 2;

}  // namespace

bool CShockwaveFlash::Create(const char*, const char*, DWORD style, const RECT& rect, HWND parent, UINT) {
  return CActiveXHost::Create(kShockwaveFlashClsid, parent, rect, (style & WS_VISIBLE) != 0);
}

void CShockwaveFlash::PlayMovieOnce(const std::string& path) {
  if (m_bMovieBegun) return;
  ShowWindow(window(), SW_SHOW);
  SetMovie(path);
  SetLoop(true);
  SetScaleMode(kScaleModeOfThePanel);
  SetPlaying(true);
  m_bMovieBegun = 1;
}

void CShockwaveFlash::RestartWhenStopped() {
  if (!IsPlaying()) Play();
}

bool CShockwaveFlash::IsPlaying() {
  bool playing = false;
  CallBoolMethod(kIsPlaying, playing);
  return playing;
}

}  // namespace sk
