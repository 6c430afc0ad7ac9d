#include "setup_ui/step1_welcome.h"

#include "resource_ids.h"
#include "setup_ui/setup_app.h"
#include "setup_ui/wizard_sheet.h"

namespace sk {
namespace {

constexpr int kLineIds[12] = {IDC_WELCOME_LINE1, IDC_WELCOME_LINE2,  IDC_WELCOME_LINE3,  IDC_WELCOME_LINE4,
                              IDC_WELCOME_LINE5, IDC_WELCOME_LINE6,  IDC_WELCOME_LINE7,  IDC_WELCOME_LINE8,
                              IDC_WELCOME_LINE9, IDC_WELCOME_LINE10, IDC_WELCOME_LINE11, IDC_WELCOME_LINE12};
constexpr std::size_t kLineBytes = 47;
// The title is set on the first activation of the process only, not on every return to the page.
bool g_bFirstActivation = true;
// The sheet gives itself its own title after the first page's activation, so ours is set once
// that has happened.
constexpr UINT kSetTitleMessage = WM_APP + 1;

}  // namespace

CStep1::CStep1(CWizardSheet& sheet) : CPropertyPage(IDD_WELCOME), m_sheet(sheet) {}

void CStep1::DoDataExchange(DataExchange& exchange) {
  for (std::size_t i = 0; i < m_strLine.size(); ++i) exchange.Text(kLineIds[i], m_strLine[i], kLineBytes);
}

BOOL CStep1::OnInitDialog() {
  m_sheet.AttachWindow(Sheet());
  for (std::size_t i = 0; i < m_strLine.size(); ++i) m_strLine[i] = g_pApp->config().pageTexts[kWelcomePage][i];
  return CPropertyPage::OnInitDialog();
}

bool CStep1::OnSetActive() {
  const UiTexts& ui = g_pApp->config().uiTexts;
  PostWizardButtons(Sheet(), PSWIZB_NEXT);
  SetWizardLabel(Sheet(), kNextButton, ui[2]);
  SetWizardLabel(Sheet(), kCancelButton, ui[3]);
  if (g_bFirstActivation) {
    g_bFirstActivation = false;
    PostMessageA(hwnd(), kSetTitleMessage, 0, 0);
  }
  ShowWizardButton(Sheet(), kHelpButton, false);
  ShowWizardButton(Sheet(), kBackButton, false);
  return CPropertyPage::OnSetActive();
}

bool CStep1::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  if (message != kSetTitleMessage) return CPropertyPage::OnMessage(message, wParam, lParam, result);
  SetWindowTextA(Sheet(), g_pApp->config().productName.c_str());
  result = TRUE;
  return true;
}

bool CStep1::OnQueryCancel() { return ConfirmCancel(g_pApp->config().uiTexts[13]); }

}  // namespace sk
