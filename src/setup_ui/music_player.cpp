#include "setup_ui/music_player.h"

#include "setup_ui/music_rules.h"

namespace sk {
namespace {

// Every command gets a parameter block, even where its flags ask for nothing in it: a driver
// may read the block (its callback window at least) whatever the flags say.
template <typename Parameters>
MCIERROR Send(MCIDEVICEID device, UINT command, DWORD flags, Parameters& parameters) {
  return mciSendCommandA(device, command, flags, reinterpret_cast<DWORD_PTR>(&parameters));
}

// MCI_SEEK_TO_START: the beginning of the media, in any time format.
MCIERROR SeekToStart(MCIDEVICEID device, DWORD flags) {
  MCI_SEEK_PARMS seek = {};
  return Send(device, MCI_SEEK, MCI_SEEK_TO_START | flags, seek);
}

}  // namespace

CMusicPlayer::~CMusicPlayer() { Close(); }

MCIERROR CMusicPlayer::Open(const std::string& path) {
  // No device type: the platform chooses the device registered for the extension.
  MCI_OPEN_PARMSA open = {};
  open.lpstrElementName = path.c_str();
  const MCIERROR error = Send(0, MCI_OPEN, MCI_OPEN_ELEMENT | MCI_WAIT, open);
  if (error != 0) {
    m_wDeviceID = 0;
    return error;
  }
  if (NeedsMidiPreparation(path)) {
    MCI_SET_PARMS set = {};
    set.dwTimeFormat = MCI_FORMAT_MILLISECONDS;
    Send(open.wDeviceID, MCI_SET, MCI_SET_TIME_FORMAT, set);
    SeekToStart(open.wDeviceID, 0);
  }
  m_wDeviceID = open.wDeviceID;
  m_strFileName = path;
  return error;
}

void CMusicPlayer::Close() {
  MCI_GENERIC_PARMS close = {};
  Send(m_wDeviceID, MCI_CLOSE, MCI_WAIT, close);
  m_wDeviceID = 0;
}

MCIERROR CMusicPlayer::Play() {
  MCI_PLAY_PARMS play = {};
  return Send(m_wDeviceID, MCI_PLAY, 0, play);
}

MCIERROR CMusicPlayer::Rewind() { return SeekToStart(m_wDeviceID, MCI_WAIT); }

bool CMusicPlayer::IsPlaying() {
  MCI_STATUS_PARMS status = {};
  status.dwItem = MCI_STATUS_MODE;
  return Send(m_wDeviceID, MCI_STATUS, MCI_STATUS_ITEM, status) == 0 && status.dwReturn == MCI_MODE_PLAY;
}

}  // namespace sk
