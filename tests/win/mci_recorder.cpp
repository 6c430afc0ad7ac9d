// An MCI driver of the tests: it plays nothing and writes each command it receives, with its
// flags and values, as one line into the file named by SK_MCI_RECORDER_LOG. The tests register
// it in the prefix for the extensions setup's music uses, since Wine has no sound device whose
// commands could be watched.
//
// Each play is reported as playing to the first status query after it and as stopped (the
// piece has ended) from the second on, so that a player which restarts its music shows it.
#include <windows.h>

#include <mmddk.h>

#include <cstdio>
#include <string>

namespace {

int g_statusSincePlay = 0;

void Record(const std::string& line) {
  char path[MAX_PATH];
  const DWORD length = GetEnvironmentVariableA("SK_MCI_RECORDER_LOG", path, sizeof path);
  if (length == 0 || length >= sizeof path) return;
  HANDLE log = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  if (log == INVALID_HANDLE_VALUE) return;
  const std::string text = line + "\n";
  DWORD written = 0;
  WriteFile(log, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(log);
}

std::string Narrow(const wchar_t* text) {
  if (!text) return "(none)";
  char buffer[MAX_PATH * 2];
  const int length = WideCharToMultiByte(CP_ACP, 0, text, -1, buffer, sizeof buffer, nullptr, nullptr);
  return length > 0 ? std::string(buffer) : std::string("(unconvertible)");
}

std::string Hex(DWORD value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%08lx", static_cast<unsigned long>(value));
  return buffer;
}

LRESULT Command(UINT message, DWORD flags, LPARAM parameters) {
  const std::string head = " flags=" + Hex(flags);
  switch (message) {
    case MCI_OPEN_DRIVER: {
      const auto* open = reinterpret_cast<const MCI_OPEN_PARMSW*>(parameters);
      const bool typed = flags & MCI_OPEN_TYPE;
      Record("open" + head + " element=" + Narrow(open ? open->lpstrElementName : nullptr) +
             " type=" + (typed ? "given" : "none"));
      return 0;
    }
    case MCI_SET: {
      const auto* set = reinterpret_cast<const MCI_SET_PARMS*>(parameters);
      Record("set" + head + " format=" + std::to_string(set ? set->dwTimeFormat : 0));
      return 0;
    }
    case MCI_SEEK:
      Record("seek" + head);
      return 0;
    case MCI_PLAY: {
      const auto* play = reinterpret_cast<const MCI_PLAY_PARMS*>(parameters);
      Record("play" + head + " from=" + std::to_string(play ? play->dwFrom : 0) +
             " to=" + std::to_string(play ? play->dwTo : 0));
      g_statusSincePlay = 0;
      return 0;
    }
    case MCI_STATUS: {
      auto* status = reinterpret_cast<MCI_STATUS_PARMS*>(parameters);
      if (!status) return MCIERR_NULL_PARAMETER_BLOCK;
      const bool playing = ++g_statusSincePlay == 1;
      status->dwReturn = playing ? MCI_MODE_PLAY : MCI_MODE_STOP;
      Record("status" + head + " item=" + std::to_string(status->dwItem) + (playing ? " -> play" : " -> stopped"));
      return 0;
    }
    case MCI_CLOSE_DRIVER:
      Record("close" + head);
      return 0;
    default:
      Record("command " + std::to_string(message) + head);
      return MCIERR_UNRECOGNIZED_COMMAND;
  }
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK DriverProc(DWORD_PTR, HDRVR, UINT message, LPARAM first,
                                                            LPARAM second) {
  switch (message) {
    case DRV_LOAD:
    case DRV_ENABLE:
    case DRV_DISABLE:
    case DRV_FREE:
    case DRV_CLOSE:
      return 1;
    case DRV_OPEN: {
      auto* driver = reinterpret_cast<MCI_OPEN_DRIVER_PARMS*>(second);
      if (!driver) return 1;  // opened for configuration, not as a device
      driver->wCustomCommandTable = MCI_NO_COMMAND_TABLE;
      driver->wType = MCI_DEVTYPE_SEQUENCER;
      return driver->wDeviceID;
    }
    default:
      if (message >= DRV_MCI_FIRST && message <= DRV_MCI_LAST)
        return Command(message, static_cast<DWORD>(first), second);
      return 0;
  }
}
