#include "setup_ui/step1_welcome.h"

#include "resource_ids.h"
#include "setup_ui/setup_app.h"
#include "setup_ui/side_panel_layout.h"
#include "setup_ui/wizard_sheet.h"
#include "shared/controls.h"

namespace sk {
namespace {

constexpr int kLineIds[12] = {IDC_WELCOME_LINE1, IDC_WELCOME_LINE2,  IDC_WELCOME_LINE3,  IDC_WELCOME_LINE4,
                              IDC_WELCOME_LINE5, IDC_WELCOME_LINE6,  IDC_WELCOME_LINE7,  IDC_WELCOME_LINE8,
                              IDC_WELCOME_LINE9, IDC_WELCOME_LINE10, IDC_WELCOME_LINE11, IDC_WELCOME_LINE12};
constexpr std::size_t kLineBytes = 47;
// The title is set on the first activation of the process only, not on every return to the page.
bool g_bFirstActivation = true;
// The side panel is made on the page's first size, once per process.
bool g_bFirstSize = true;
// The sheet gives itself its own title after the first page's activation, so ours is set once
// that has happened.
constexpr UINT kSetTitleMessage = WM_APP + 1;

// Hidden until the wizard's next move places and shows it.
void CreateSidePanel(HWND page) {
  const RECT own = ScreenRect(page);
  const Rect start = SidePanelStartRect(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                        own.right - own.left, own.bottom - own.top);
  CFlashDlg& panel = g_pApp->m_FlashDlg;
  panel.x = start.left;
  panel.y = start.top;
  panel.m_bFlash = g_pApp->config().sideIsFlash;
  panel.m_strMoviePath = g_pApp->m_strMoviePath;
  panel.m_pPicture = &g_pApp->m_SidePicture;
  panel.Create(page);
}

}  // namespace

CStep1::CStep1(CWizardSheet& sheet) : CPropertyPage(IDD_WELCOME), m_sheet(sheet) {}

void CStep1::DoDataExchange(DataExchange& exchange) {
  for (std::size_t i = 0; i < m_strLine.size(); ++i) exchange.Text(kLineIds[i], m_strLine[i], kLineBytes);
}

BOOL CStep1::OnInitDialog() {
  m_sheet.AttachWindow(Sheet());
  for (std::size_t i = 0; i < m_strLine.size(); ++i) m_strLine[i] = g_pApp->config().pageTexts[kWelcomePage][i];
  const BOOL focus = CPropertyPage::OnInitDialog();
  // The page's first size comes while its window is created, before our dialogs see any
  // message; the page has that size still.
  if (g_bFirstSize) {
    g_bFirstSize = false;
    CreateSidePanel(hwnd());
  }
  return focus;
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
