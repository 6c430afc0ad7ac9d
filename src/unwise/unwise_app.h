// The uninstaller program: its settings, the relocation out of the install folder, the search
// for setup.log and the window.
//
// The first run (unwise.exe in the install folder) copies itself as glb1a2b.exe into a private
// folder of its own inside the temporary folder, starts the copy with the log path and ends;
// the copy, which knows itself by that name, opens the window and may remove the install
// folder with the installed unwise.exe in it. Only the user (and the administrators, when the
// run is elevated) may write into that folder, so no other process can swap the program that
// then runs with the uninstaller's rights. The copy stays there; the next first run removes
// the folders of earlier runs.
#pragma once

#include <string>

#include "package/uninstall_settings.h"

namespace sk {

class CUnwiseApp {
 public:
  // The program's exit status (exit_codes.h).
  int InitInstance(const std::string& commandLine);

  const UninstallSettings& settings() const { return m_settings; }
  const std::string& logPath() const { return m_strLogPath; }
  const std::string& ownPath() const { return m_strOwnPath; }
  bool english() const { return m_settings.language != "TRUE"; }

 private:
  bool LoadSettings(const std::string& tempFolder);
  void Relocate();
  // True when a log was found or chosen.
  bool FindLog(const std::string& commandLine);

  UninstallSettings m_settings;
  std::string m_strOwnPath;
  std::string m_strLogPath;
};

}  // namespace sk
