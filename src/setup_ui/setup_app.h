// The application object of setup.exe: the whole configuration and run state, and the order
// of start-up and shutdown.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "package/setup_loader.h"
#include "setup_ui/background_dlg.h"
#include "setup_ui/side_panel_dlg.h"
#include "shared/picture.h"

namespace sk {

class CSetupApp {
 public:
  // Records the own path, the disk folders and the temporary file paths, and makes the
  // private temporary folder.
  CSetupApp();
  CSetupApp(const CSetupApp&) = delete;
  CSetupApp& operator=(const CSetupApp&) = delete;

  // The whole life of setup: load the package, start the music, show the start-up windows,
  // (run the wizard,) clean up. Returns the exit status (exit_codes.h).
  int InitInstance();

  // Run state.
  std::string m_strOwnPath;
  std::array<std::string, kDiskCount> m_strDiskFolder;  // disks 1 to 7, each ending in '\'
  std::string m_strAnimationPath, m_strMoviePath, m_strUninstallerPath;
  CPicture m_SidePicture, m_BackgroundPicture, m_SplashPicture;
  std::string m_strPostInstallPath;            // resolved post-install program
  HANDLE m_hPostInstallProcess = nullptr;      // set when the finish page started it
  bool m_bEnglish = false;
  CFlashDlg m_FlashDlg;  // the wizard's side panel, created by the welcome page

  // The configuration and the picture bytes of the package.
  LoadedSetup m_setup;
  const SetupConfig& config() const { return m_setup.config; }

 private:
  bool LoadSetupConfig();
  void LoadPictures();
  // False when the user cancelled the splash.
  bool RunSplash();
  void OpenBackgroundWindow();
  void ShutDown();

  CBackgroundDlg m_BackgroundDlg;
};

// The application object, for the threads that need the configuration.
extern CSetupApp* g_pApp;
// 1 once the wizard has closed; the music thread stops when it sees it.
extern volatile int g_bExiting;

}  // namespace sk
