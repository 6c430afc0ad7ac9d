#include "setup_ui/step3_folder.h"

#include <cstring>
#include <optional>

#include "install/win/platform_folders.h"
#include "package/file_io.h"
#include "package/gbk.h"
#include "package/registry_layout.h"
#include "resource_ids.h"
#include "setup_ui/folder_browser.h"
#include "setup_ui/folder_rules.h"
#include "setup_ui/free_space.h"
#include "setup_ui/message_dlg.h"
#include "setup_ui/setup_app.h"
#include "setup_ui/wizard_sheet.h"
#include "shared/controls.h"

namespace sk {
namespace {

constexpr std::size_t kLineBytes = 47;
constexpr std::size_t kFolderBytes = 255;
constexpr std::size_t kProductFolderSlot = 5;
constexpr std::size_t kBrowsePromptText = 16;
constexpr int kRefusalIcon = 1;
constexpr int kSpaceIcon = 3;
constexpr int kAnswerSelect = 1;
constexpr DWORD kRegistryTextBytes = 255;

// A string value of the key, or nothing when it cannot be read.
std::optional<std::string> ReadText(HKEY key, const char* name) {
  char buffer[kRegistryTextBytes + 1] = {};
  DWORD size = kRegistryTextBytes, type = 0;
  if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS) return {};
  if (type != REG_SZ && type != REG_EXPAND_SZ) return {};
  // setup writes its values without a terminating zero.
  return std::string(buffer, strnlen(buffer, size));
}

}  // namespace

CStep3::CStep3(CWizardSheet& sheet) : CPropertyPage(IDD_FOLDER), m_sheet(sheet) {
  const SetupConfig& config = g_pApp->config();
  m_strFolder = ReadPreviousInstall();
  if (m_strFolder.empty()) m_strFolder = DefaultInstallFolder(config, QueryPlatformFolders());
  m_dRequiredMb = RequiredMegabytes(config);
}

std::string CStep3::ReadPreviousInstall() const {
  const SetupConfig& config = g_pApp->config();
  const std::optional<std::string> keyName = ApplicationKey(config.productKey);
  HKEY key = nullptr;
  if (!keyName || RegOpenKeyA(HKEY_CURRENT_USER, keyName->c_str(), &key) != ERROR_SUCCESS) return {};
  PreviousInstall previous;
  previous.installPath = ReadText(key, "InstallPath");
  previous.version = ReadText(key, "Version").value_or("");
  RegCloseKey(key);
  return PreviousFolder(previous, config.version, PathExists);
}

void CStep3::DoDataExchange(DataExchange& exchange) {
  exchange.Control(IDC_FOLDER_EDIT, m_hFolderEdit);
  exchange.Text(IDC_FOLDER_LINE1, m_strLine1, kLineBytes);
  exchange.Text(IDC_FOLDER_LINE2, m_strLine2, kLineBytes);
  exchange.Text(IDC_FOLDER_LINE3, m_strLine3, kLineBytes);
  exchange.Text(IDC_FOLDER_PROMPT, m_strPrompt, kLineBytes);
  exchange.Text(IDC_FOLDER_EDIT, m_strFolder, kFolderBytes);
}

BOOL CStep3::OnInitDialog() {
  m_sheet.AttachWindow(Sheet());
  const SetupConfig& config = g_pApp->config();
  const UiTexts& ui = config.uiTexts;
  SetWizardLabel(Sheet(), kBackButton, ui[1]);
  SetWizardLabel(Sheet(), kNextButton, ui[4]);
  SetWizardLabel(Sheet(), kCancelButton, ui[3]);
  const auto& texts = config.pageTexts[kFolderPage];
  m_strLine1 = texts[0];
  m_strLine2 = texts[1];
  m_strLine3 = texts[2];
  m_strPrompt = texts[3];
  m_strBrowseLabel = texts[4];
  const BOOL result = CPropertyPage::OnInitDialog();
  SetItemText(hwnd(), IDC_FOLDER_BROWSE, m_strBrowseLabel);
  return result;
}

bool CStep3::OnSetActive() {
  PostWizardButtons(Sheet(), PSWIZB_BACK | PSWIZB_NEXT);
  return CPropertyPage::OnSetActive();
}

bool CStep3::OnQueryCancel() { return ConfirmCancel(g_pApp->config().uiTexts[14]); }

bool CStep3::OnCommand(WORD id, WORD code, HWND control) {
  if (id == IDC_FOLDER_BROWSE && code == BN_CLICKED) {
    OnBrowse();
    return true;
  }
  return CPropertyPage::OnCommand(id, code, control);
}

bool CStep3::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  if (message == WM_PAINT && m_hFolderEdit) {
    // The end of a long path is the part worth seeing.
    const LPARAM end = static_cast<LPARAM>(m_strFolder.size());
    SendMessageA(m_hFolderEdit, EM_SETSEL, static_cast<WPARAM>(end), end);
    SendMessageA(m_hFolderEdit, EM_SCROLLCARET, 0, 0);
  }
  return CPropertyPage::OnMessage(message, wParam, lParam, result);
}

void CStep3::OnBrowse() {
  const SetupConfig& config = g_pApp->config();
  UpdateData(true);
  CFolderBrowser browser;
  browser.SetTitle(config.productName);
  browser.SetPrompt(config.uiTexts[kBrowsePromptText]);
  if (!browser.Browse(hwnd(), !IsEnglish(config))) return;
  m_strFolder = WithProductFolder(browser.GetPath(), config);
  UpdateData(false);
}

bool CStep3::CheckInstallTarget(const std::string& location, const std::string& caption) const {
  const TargetProbe probe{[](const std::string& drive) { return static_cast<int>(GetDriveTypeA(drive.c_str())); },
                          PathExists};
  const TargetVerdict verdict = CheckInstallTargetRule(location, probe);
  if (verdict == TargetVerdict::Accepted) return true;
  const bool english = IsEnglish(g_pApp->config());
  ShowMessage(TargetVerdictText(verdict, english), caption, kRefusalIcon, 1, english ? "OK" : "确定");
  return false;
}

LRESULT CStep3::OnWizardNext() {
  const SetupConfig& config = g_pApp->config();
  // A field over its limit has had its notice; going on would create a folder nobody chose.
  if (!UpdateData(true)) return -1;
  const std::string folder = WithBackslash(m_strFolder);
  m_strFolder = folder;
  const std::string location = InstallLocation(folder);
  if (!CheckInstallTarget(location, config.productName)) return -1;
  const bool english = IsEnglish(config);
  const FreeSpaceQuestion question{
      kSpaceIcon, {english ? "Select" : "选择", english ? "Retry" : "重试", english ? "Ignore" : "忽略"}, kAnswerSelect};
  if (!EnsureFreeSpace(location, m_dRequiredMb, english, question)) return -1;
  CreateDirectoryA(folder.c_str(), nullptr);
  m_sheet.m_strInstallFolder = folder;
  return CPropertyPage::OnWizardNext();
}

}  // namespace sk
