// The Shockwave Flash control of the side panel, driven through its dispatch members.
#pragma once

#include <windows.h>

#include <string>

#include "shared/activex_host.h"

namespace sk {

// {D27CDB6E-AE6D-11CF-96B8-444553540000}
inline constexpr CLSID kShockwaveFlashClsid = {0xD27CDB6E, 0xAE6D, 0x11CF,
                                               {0x96, 0xB8, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};

class CShockwaveFlash : public CActiveXHost {
 public:
  // Creates the control in parent over rect (the parent's client coordinates), shown only when
  // style has WS_VISIBLE. The class and window names are the control's own business.
  bool Create(const char* className, const char* windowName, DWORD style, const RECT& rect, HWND parent, UINT id);

  // Shows the control and starts the movie at path, looping, in scale mode 2; once per object.
  void PlayMovieOnce(const std::string& path);
  // Starts the movie again when it has stopped.
  void RestartWhenStopped();

  void SetMovie(const std::string& path) { PutText(kMovie, path); }
  void SetLoop(bool loop) { PutBool(kLoop, loop); }
  void SetScaleMode(long mode) { PutLong(kScaleMode, mode); }
  void SetPlaying(bool playing) { PutBool(kPlaying, playing); }
  void Play() { CallMethod(kPlay); }
  bool IsPlaying();

  int m_bMovieBegun = 0;

 private:
  static constexpr DISPID kMovie = 0x66;
  static constexpr DISPID kLoop = 0x6A;
  static constexpr DISPID kPlay = 0x70;
  static constexpr DISPID kScaleMode = 0x78;
  static constexpr DISPID kPlaying = 0x7D;
  static constexpr DISPID kIsPlaying = 0x81;
};

}  // namespace sk
