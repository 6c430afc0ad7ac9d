#include "setup_ui/step2_agreement.h"

#include "resource_ids.h"
#include "setup_ui/setup_app.h"
#include "setup_ui/wizard_sheet.h"
#include "shared/controls.h"

namespace sk {
namespace {

constexpr std::size_t kLineBytes = 47;
constexpr std::size_t kAgreementBytes = 4096;
// The template leaves the box short of the radio buttons; the page makes up the difference.
constexpr int kAgreementBoxGrowth = 25;

}  // namespace

CStep2::CStep2(CWizardSheet& sheet) : CPropertyPage(IDD_AGREEMENT), m_sheet(sheet) {}

void CStep2::DoDataExchange(DataExchange& exchange) {
  exchange.Control(IDC_AGREEMENT_TEXT, m_hAgreementBox);
  exchange.Text(IDC_AGREEMENT_LINE1, m_strLine1, kLineBytes);
  exchange.Text(IDC_AGREEMENT_LINE2, m_strLine2, kLineBytes);
  exchange.Text(IDC_AGREEMENT_TEXT, m_strAgreement, kAgreementBytes);
}

BOOL CStep2::OnInitDialog() {
  m_sheet.AttachWindow(Sheet());
  const SetupConfig& config = g_pApp->config();
  const auto& texts = config.pageTexts[kAgreementPage];
  m_strLine1 = texts[0];
  m_strLine2 = texts[1];
  m_strAgreement = config.agreementText;
  RECT box = ScreenRect(Item(IDC_AGREEMENT_TEXT));
  box.bottom += kAgreementBoxGrowth;
  MoveToScreenRect(Item(IDC_AGREEMENT_TEXT), box);
  m_strAcceptLabel = texts[4];
  m_strDeclineLabel = texts[5];
  const BOOL result = CPropertyPage::OnInitDialog();
  SetItemText(hwnd(), IDC_AGREEMENT_ACCEPT, m_strAcceptLabel);
  SetItemText(hwnd(), IDC_AGREEMENT_DECLINE, m_strDeclineLabel);
  return result;
}

bool CStep2::OnSetActive() {
  const UiTexts& ui = g_pApp->config().uiTexts;
  PostWizardButtons(Sheet(), m_bAccept ? PSWIZB_BACK | PSWIZB_NEXT : PSWIZB_BACK);
  SetWizardLabel(Sheet(), kBackButton, ui[1]);
  SetWizardLabel(Sheet(), kNextButton, m_sheet.FolderPageLeftOut() ? ui[4] : ui[2]);
  SetWizardLabel(Sheet(), kCancelButton, ui[3]);
  ShowWizardButton(Sheet(), kBackButton, true);
  // Only the chosen button is checked: the automatic pair already cleared the other on the click.
  SendMessageA(Item(m_bAccept ? IDC_AGREEMENT_ACCEPT : IDC_AGREEMENT_DECLINE), BM_SETCHECK, BST_CHECKED, 0);
  return CPropertyPage::OnSetActive();
}

void CStep2::OnChoice(int accept) {
  m_bAccept = accept;
  PostWizardButtons(Sheet(), accept ? PSWIZB_BACK | PSWIZB_NEXT : PSWIZB_BACK);
}

bool CStep2::OnCommand(WORD id, WORD code, HWND control) {
  if ((id == IDC_AGREEMENT_ACCEPT || id == IDC_AGREEMENT_DECLINE) && code == BN_CLICKED) {
    OnChoice(id == IDC_AGREEMENT_ACCEPT ? 1 : 0);
    return true;
  }
  return CPropertyPage::OnCommand(id, code, control);
}

bool CStep2::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  if (message == WM_PAINT && m_hAgreementBox) {
    // Whatever was scrolled or selected, the box opens again at the agreement's beginning.
    SendMessageA(m_hAgreementBox, EM_SETSEL, 0, 0);
    SendMessageA(m_hAgreementBox, EM_SCROLLCARET, 0, 0);
  }
  return CPropertyPage::OnMessage(message, wParam, lParam, result);
}

bool CStep2::OnQueryCancel() { return ConfirmCancel(g_pApp->config().uiTexts[13]); }

LRESULT CStep2::OnWizardNext() {
  // A text over its limit has had its notice; leaving now would only show it a second time.
  return UpdateData(true) ? CPropertyPage::OnWizardNext() : -1;
}

}  // namespace sk
