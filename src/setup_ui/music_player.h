// One piece of music played through the media control interface, which picks the device by
// the file's extension.
#pragma once

#include <windows.h>

#include <string>

namespace sk {

class CMusicPlayer {
 public:
  CMusicPlayer() = default;
  CMusicPlayer(const CMusicPlayer&) = delete;
  CMusicPlayer& operator=(const CMusicPlayer&) = delete;
  virtual ~CMusicPlayer();

  // The MCI error code of the open, 0 on success; MIDI files are then timed in milliseconds
  // and put at their beginning.
  MCIERROR Open(const std::string& path);
  // Harmless when nothing is open.
  void Close();
  // From the current position; returns at once.
  MCIERROR Play();
  // Back to the beginning; returns when the device is there.
  MCIERROR Rewind();
  bool IsPlaying();

 private:
  MCIDEVICEID m_wDeviceID = 0;
  std::string m_strFileName;  // the file last opened successfully
};

}  // namespace sk
