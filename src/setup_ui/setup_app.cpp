#include "setup_ui/setup_app.h"

#include <commctrl.h>

#include <span>

#include "package/file_io.h"
#include "resource_ids.h"
#include "setup_ui/exit_codes.h"
#include "setup_ui/main_window.h"
#include "setup_ui/message_dlg.h"
#include "setup_ui/music_thread.h"
#include "setup_ui/splash_dlg.h"
#include "setup_ui/test_switches.h"
#include "setup_ui/wizard_sheet.h"
#include "shared/com_helpers.h"
#include "shared/env_switch.h"
#include "shared/private_temp.h"
#include "shared/process_paths.h"
#include "shared/resource_bytes.h"
#include "shared/start_failure.h"

namespace sk {

CSetupApp* g_pApp = nullptr;
volatile int g_bExiting = 0;

namespace {

std::span<const std::uint8_t> Resource(int id, const char* type) {
  unsigned long size = 0;
  const unsigned char* bytes = LoadResourceBytes(id, type, &size);
  return {bytes, bytes ? size : 0};
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

void LoadPicture(CPicture& picture, const std::vector<std::uint8_t>& bytes) {
  if (!bytes.empty()) picture.LoadFromMemory(bytes.data(), static_cast<long>(bytes.size()));
}

void InitCommonControlClasses() {
  INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&classes);
}

// Instead of the wizard, the test switch keeps the background window up for as long as the
// tests look at it.
void HoldAtWizard() {
  MSG message;
  while (IsWindow(MainWindow()) && GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (IsDialogMessageA(MainWindow(), &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

void DeleteTemporary(const std::string& path) {
  if (!path.empty()) DeleteFilePath(path);
}

}  // namespace

CSetupApp::CSetupApp() {
  GetOwnPath(m_strOwnPath);
  g_pApp = this;
  for (std::string& folder : m_strDiskFolder) folder = FolderOf(m_strOwnPath);
  CreatePrivateTempFolder("setup");
  m_strUninstallerPath = JoinPath(PrivateTempFolder(), kUninstallerTempName);
  m_strMoviePath = JoinPath(PrivateTempFolder(), kMovieTempName);
}

int CSetupApp::InitInstance() {
  const ComApartment ole;
  InitCommonControlClasses();
  if (!LoadSetupConfig()) {
    if (!UiSuppressed()) ShowMessage(kStartFailureText, "", -1, 1, kStartFailureButton);
    return kSetupExitStartFailed;
  }
  StartMusicThread();
  if (config().splashPicture.present() && !RunSplash()) return kSetupExitCancelled;
  if (config().backgroundEnabled) OpenBackgroundWindow();
  int status = kSetupExitOk;
  if (EnvironmentSwitchSet(kHoldAtWizardVariable))
    HoldAtWizard();
  else
    status = RunWizard();
  ShutDown();
  return status;
}

bool CSetupApp::LoadSetupConfig() {
  // Without the private folder there is nowhere safe for the temporary files.
  if (m_strOwnPath.empty() || PrivateTempFolder().empty()) return false;
  const SetupResources resources{Resource(IDR_UNWISE_IMAGE, "EXE"), Resource(IDR_BUILTIN_PICTURE, "JPG")};
  const int loaded = sk::LoadSetupConfig(m_strOwnPath, PrivateTempFolder(), resources, m_setup);
  m_strAnimationPath = m_setup.animationPath;
  m_bEnglish = IsEnglish(config());
  LoadPictures();
  return loaded == 1;
}

void CSetupApp::LoadPictures() {
  LoadPicture(m_SidePicture, m_setup.sidePicture);
  LoadPicture(m_BackgroundPicture, m_setup.backgroundPicture);
  LoadPicture(m_SplashPicture, m_setup.splashPicture);
}

bool CSetupApp::RunSplash() {
  CSplashDlg splash;
  splash.m_nDuration = config().splashMillis;
  splash.m_pPicture = &m_SplashPicture;
  CPrepareDlg& prepare = splash.m_prepare;
  prepare.m_strCaption = config().preparingCaption;
  prepare.m_strText = config().preparingMessage;
  prepare.m_strFont = config().preparingFont;
  prepare.m_strLanguage = config().uiTexts[0];
  prepare.m_strOwnPath = m_strOwnPath;
  prepare.m_iconBlock = config().icon;
  return splash.DoModal(nullptr) != kSplashCancelled;
}

void CSetupApp::OpenBackgroundWindow() {
  CBackgroundDlg& background = m_BackgroundDlg;
  background.m_crColour = static_cast<COLORREF>(config().backgroundColor);
  background.m_strCaption = config().backgroundTitle;
  background.m_nFill = config().backgroundFill;
  background.m_bTitleBar = config().backgroundTitleBar;
  background.m_pPicture = &m_BackgroundPicture;
  background.m_strHeadline = config().headline;
  background.m_strHeadlineFont = config().headlineFont;
  background.m_crHeadline = static_cast<COLORREF>(config().headlineColor);
  if (!background.Create(nullptr)) return;
  ShowWindow(background.hwnd(), SW_SHOWMAXIMIZED);
  SetMainWindow(background.hwnd());
}

void CSetupApp::ShutDown() {
  if (config().backgroundEnabled) {
    m_BackgroundDlg.DestroyWindow();
    SetMainWindow(nullptr);
  }
  g_bExiting = 1;
  WakeMusicThread();
  const bool keep = TempFilesKept();
  if (!keep) DeleteTemporary(m_strAnimationPath);
  if (m_hPostInstallProcess) {
    WaitForSingleObject(m_hPostInstallProcess, INFINITE);
    CloseHandle(m_hPostInstallProcess);
    m_hPostInstallProcess = nullptr;
  }
  if (config().postInstallTemporary && PathExists(m_strPostInstallPath)) DeleteFilePath(m_strPostInstallPath);
  if (!keep) {
    DeleteTemporary(m_strUninstallerPath);
    DeleteTemporary(m_strMoviePath);
  }
  m_setup.config.files.clear();
  WaitForMusicThread();
  RemovePrivateTempFolder();
}

}  // namespace sk
