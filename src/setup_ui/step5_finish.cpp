#include "setup_ui/step5_finish.h"

#include "install/finish_plan.h"
#include "install/win/platform_folders.h"
#include "resource_ids.h"
#include "setup_ui/finish_actions.h"
#include "setup_ui/setup_app.h"
#include "setup_ui/wizard_sheet.h"
#include "shared/controls.h"

namespace sk {
namespace {

constexpr int kBoxIds[5] = {IDC_FINISH_DESKTOP, IDC_FINISH_START_MENU, IDC_FINISH_GROUP, IDC_FINISH_README,
                            IDC_FINISH_RUN};
enum Box { kDesktop, kStartMenu, kGroup, kReadme, kRun };
// The finish page's texts: the three lines, then the five captions in box order.
constexpr std::size_t kLine1Slot = 0, kLine2Slot = 1, kClosingSlot = 2, kFirstCaptionSlot = 3;
constexpr std::size_t kFinishLabel = 5;
constexpr std::size_t kCancelQuestion = 15;
bool g_bFirstPaint = true;

}  // namespace

CStep5::CStep5(CWizardSheet& sheet) : CPropertyPage(IDD_FINISH), m_sheet(sheet) {}

void CStep5::DoDataExchange(DataExchange& exchange) {
  exchange.Text(IDC_FINISH_LINE1, m_strLine1);
  exchange.Text(IDC_FINISH_LINE2, m_strLine2);
  exchange.Text(IDC_FINISH_CLOSING, m_strClosing);
  for (std::size_t i = 0; i < m_strCaption.size(); ++i) {
    exchange.Text(kBoxIds[i], m_strCaption[i]);
    exchange.Check(kBoxIds[i], m_nChoice[i]);
  }
}

BOOL CStep5::OnInitDialog() {
  m_sheet.AttachWindow(Sheet());
  const auto& texts = g_pApp->config().pageTexts[kFinishPage];
  m_strLine1 = texts[kLine1Slot];
  m_strLine2 = texts[kLine2Slot];
  m_strClosing = texts[kClosingSlot];
  for (std::size_t i = 0; i < m_strCaption.size(); ++i) m_strCaption[i] = texts[kFirstCaptionSlot + i];
  const BOOL focus = CPropertyPage::OnInitDialog();
  LayOut();
  return focus;
}

void CStep5::LayOut() {
  const FinishPageLayout layout = LayOutFinishPage(g_pApp->config());
  // A disabled box keeps its tick: the program-group box stays ticked.
  EnableItem(hwnd(), IDC_FINISH_DESKTOP, layout.desktopEnabled);
  EnableItem(hwnd(), IDC_FINISH_START_MENU, layout.startMenuEnabled);
  EnableItem(hwnd(), IDC_FINISH_GROUP, layout.programGroupEnabled);
  if (!layout.readmeShown) ShowItem(hwnd(), IDC_FINISH_README, false);
  if (!layout.runShown) ShowItem(hwnd(), IDC_FINISH_RUN, false);
  if (!layout.textsOnly) return;
  const RECT first = ScreenRect(Item(IDC_FINISH_DESKTOP));
  const RECT second = ScreenRect(Item(IDC_FINISH_START_MENU));
  const RECT third = ScreenRect(Item(IDC_FINISH_GROUP));
  for (int id : kBoxIds) ShowItem(hwnd(), id, false);
  MoveToScreenRect(Item(IDC_FINISH_LINE1), first);
  MoveToScreenRect(Item(IDC_FINISH_LINE2), second);
  MoveToScreenRect(Item(IDC_FINISH_CLOSING), third);
}

bool CStep5::OnSetActive() {
  PostWizardButtons(Sheet(), PSWIZB_FINISH);
  SetWizardLabel(Sheet(), kFinishButton, g_pApp->config().uiTexts[kFinishLabel]);
  ShowWizardButton(Sheet(), kCancelButton, false);
  ShowWizardButton(Sheet(), kBackButton, false);
  return CPropertyPage::OnSetActive();
}

void CStep5::TakeFolders() {
  if (!g_bFirstPaint) return;
  g_bFirstPaint = false;
  m_folders = MakeBaseFolders(QueryPlatformFolders(), m_sheet.m_strInstallFolder);
}

bool CStep5::OnWizardFinish() {
  TakeFolders();
  UpdateData(true);
  FinishChoices choices;
  choices.desktop = m_nChoice[kDesktop] != 0;
  choices.startMenu = m_nChoice[kStartMenu] != 0;
  choices.programGroup = m_nChoice[kGroup] != 0;
  choices.readme = m_nChoice[kReadme] != 0;
  choices.run = m_nChoice[kRun] != 0;
  CarryOutFinish(choices, m_folders);
  return true;
}

bool CStep5::OnQueryCancel() { return ConfirmCancel(g_pApp->config().uiTexts[kCancelQuestion]); }

bool CStep5::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  if (message == WM_PAINT) TakeFolders();
  return CPropertyPage::OnMessage(message, wParam, lParam, result);
}

}  // namespace sk
