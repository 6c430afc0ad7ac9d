#include "setup_ui/step3_folder.h"

#include "install/win/platform_folders.h"
#include "resource_ids.h"
#include "setup_ui/folder_rules.h"
#include "setup_ui/setup_app.h"
#include "setup_ui/wizard_sheet.h"
#include "shared/controls.h"

namespace sk {

CStep3::CStep3(CWizardSheet& sheet) : CPropertyPage(IDD_FOLDER), m_sheet(sheet) {}

void CStep3::DoDataExchange(DataExchange& exchange) { exchange.Text(IDC_FOLDER_EDIT, m_strFolder); }

BOOL CStep3::OnInitDialog() {
  m_sheet.AttachWindow(Sheet());
  const SetupConfig& config = g_pApp->config();
  const auto& texts = config.pageTexts[kFolderPage];
  SetItemText(hwnd(), IDC_FOLDER_LINE1, texts[0]);
  SetItemText(hwnd(), IDC_FOLDER_LINE2, texts[1]);
  SetItemText(hwnd(), IDC_FOLDER_LINE3, texts[2]);
  SetItemText(hwnd(), IDC_FOLDER_PROMPT, texts[3]);
  m_strFolder = DefaultInstallFolder(config, QueryPlatformFolders());
  const UiTexts& ui = config.uiTexts;
  SetWizardLabel(Sheet(), kBackButton, ui[1]);
  SetWizardLabel(Sheet(), kNextButton, ui[4]);
  SetWizardLabel(Sheet(), kCancelButton, ui[3]);
  return CPropertyPage::OnInitDialog();
}

bool CStep3::OnSetActive() {
  PostWizardButtons(Sheet(), PSWIZB_BACK | PSWIZB_NEXT);
  return CPropertyPage::OnSetActive();
}

LRESULT CStep3::OnWizardNext() {
  if (!UpdateData(true)) return -1;
  std::string folder = m_strFolder;
  if (folder.empty() || folder.back() != '\\') folder += '\\';
  CreateDirectoryA(folder.c_str(), nullptr);
  m_sheet.m_strInstallFolder = folder;
  return 0;
}

bool CStep3::OnQueryCancel() { return ConfirmCancel(g_pApp->config().uiTexts[14]); }

}  // namespace sk
