#include "setup_ui/step2_agreement.h"

#include "resource_ids.h"
#include "setup_ui/setup_app.h"
#include "setup_ui/wizard_sheet.h"
#include "shared/controls.h"

namespace sk {

CStep2::CStep2(CWizardSheet& sheet) : CPropertyPage(IDD_AGREEMENT), m_sheet(sheet) {}

BOOL CStep2::OnInitDialog() {
  m_sheet.AttachWindow(Sheet());
  const auto& texts = g_pApp->config().pageTexts[kAgreementPage];
  SetItemText(hwnd(), IDC_AGREEMENT_LINE1, texts[0]);
  SetItemText(hwnd(), IDC_AGREEMENT_LINE2, texts[1]);
  SetItemText(hwnd(), IDC_AGREEMENT_TEXT, g_pApp->config().agreementText);
  SetItemText(hwnd(), IDC_AGREEMENT_ACCEPT, texts[4]);
  SetItemText(hwnd(), IDC_AGREEMENT_DECLINE, texts[5]);
  return CPropertyPage::OnInitDialog();
}

void CStep2::EnableButtons() {
  const bool accepted = IsDlgButtonChecked(hwnd(), IDC_AGREEMENT_ACCEPT) == BST_CHECKED;
  PostWizardButtons(Sheet(), PSWIZB_BACK | (accepted ? PSWIZB_NEXT : 0));
}

bool CStep2::OnSetActive() {
  const UiTexts& ui = g_pApp->config().uiTexts;
  EnableButtons();
  SetWizardLabel(Sheet(), kBackButton, ui[1]);
  SetWizardLabel(Sheet(), kNextButton, m_sheet.FolderPageLeftOut() ? ui[4] : ui[2]);
  SetWizardLabel(Sheet(), kCancelButton, ui[3]);
  ShowWizardButton(Sheet(), kBackButton, true);
  return CPropertyPage::OnSetActive();
}

bool CStep2::OnCommand(WORD id, WORD code, HWND control) {
  if ((id == IDC_AGREEMENT_ACCEPT || id == IDC_AGREEMENT_DECLINE) && code == BN_CLICKED) {
    EnableButtons();
    return true;
  }
  return CPropertyPage::OnCommand(id, code, control);
}

bool CStep2::OnQueryCancel() { return ConfirmCancel(g_pApp->config().uiTexts[13]); }

}  // namespace sk
