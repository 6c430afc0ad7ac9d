#include "setup_ui/step5_finish.h"

#include "resource_ids.h"
#include "setup_ui/setup_app.h"
#include "setup_ui/wizard_sheet.h"

namespace sk {

CStep5::CStep5(CWizardSheet& sheet) : CPropertyPage(IDD_FINISH), m_sheet(sheet) {}

bool CStep5::OnSetActive() {
  m_sheet.AttachWindow(Sheet());
  PostWizardButtons(Sheet(), PSWIZB_FINISH);
  SetWizardLabel(Sheet(), kFinishButton, g_pApp->config().uiTexts[5]);
  ShowWizardButton(Sheet(), kCancelButton, false);
  ShowWizardButton(Sheet(), kBackButton, false);
  return CPropertyPage::OnSetActive();
}

// The finish actions (shortcuts, setup.log, readme, the program to run) are not built yet:
// Finish only ends the wizard.
bool CStep5::OnWizardFinish() { return true; }

bool CStep5::OnQueryCancel() { return ConfirmCancel(g_pApp->config().uiTexts[15]); }

}  // namespace sk
