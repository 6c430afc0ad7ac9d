#include "unwise/unwise_dlg.h"

#include <commctrl.h>

#include "package/range_io.h"
#include "shared/controls.h"
#include "shared/icon_bytes.h"
#include "unwise/removal_engine.h"
#include "unwise/unwise_app.h"
#include "unwise/unwise_ids.h"
#include "unwise/win_file_removal.h"
#include "unwise/win_removal_host.h"

namespace sk {
namespace {

constexpr COLORREF kListText = RGB(0, 0, 160);
constexpr COLORREF kListBackground = RGB(214, 211, 206);
constexpr RECT kListRect = {130, 35, 407, 200};
constexpr RECT kPictureRect = {10, 10, 120, 250};  // 110 x 240
constexpr int kDoneButtonShift = 60;

std::optional<std::vector<std::uint8_t>> OwnBlock(const std::string& ownPath, const BlockRef& block) {
  if (block.length <= 0) return std::nullopt;
  return ReadRange(ownPath, block.length, block.offset);
}

HBRUSH ListBrush() {
  static const HBRUSH brush = CreateSolidBrush(kListBackground);
  return brush;
}

std::string PreparingText(bool english, const std::string& product) {
  return english ? "Preparing uninstall " + product + "..." : "正在准备卸载" + product + "...";
}

}  // namespace

CUnwiseDlg::CUnwiseDlg(const CUnwiseApp& app) : CDialog(IDD_UNWISE), m_app(app) {
  const auto& settings = app.settings();
  if (const auto picture = OwnBlock(app.ownPath(), settings.picture); picture && !picture->empty())
    m_picture.LoadFromMemory(picture->data(), static_cast<long>(picture->size()));
  if (const auto icon = OwnBlock(app.ownPath(), settings.icon); icon && !icon->empty())
    m_hIcon = LoadIconFromBytes(icon->data(), static_cast<long>(icon->size()));
  m_bOwnIcon = m_hIcon != nullptr;
  if (!m_hIcon) m_hIcon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_APP));
}

CUnwiseDlg::~CUnwiseDlg() {
  if (m_bOwnIcon) DestroyIcon(m_hIcon);
}

BOOL CUnwiseDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SendMessageA(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
  SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
  SetProgressRange(Item(kProgressBar), 0, 1000);
  SendMessageA(Item(kAnimation), ACM_OPENA, 0, reinterpret_cast<LPARAM>(MAKEINTRESOURCEA(IDR_COPYING_ANIMATION)));
  ShowItem(hwnd(), kAnimation, false);

  const auto& settings = m_app.settings();
  SetItemText(hwnd(), kStatusLine1, PreparingText(m_app.english(), settings.productName));
  if (m_app.english()) SetItemText(hwnd(), IDCANCEL, "Cancel");
  SetItemText(hwnd(), IDOK, settings.uninstallLabel);
  SetItemText(hwnd(), kStatusLine2, settings.hintLine);
  SetWindowTextA(hwnd(), settings.productName.c_str());

  m_hList = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VSCROLL | WS_BORDER, kListRect.left, kListRect.top,
                            kListRect.right - kListRect.left, kListRect.bottom - kListRect.top, hwnd(),
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kRemainingList)), GetModuleHandleA(nullptr),
                            nullptr);
  SendMessageA(m_hList, WM_SETFONT, SendMessageA(hwnd(), WM_GETFONT, 0, 0), FALSE);
  return TRUE;
}

void CUnwiseDlg::OnOK() {
  switch (m_stage) {
    case UninstallStage::Done:
      EndDialog(IDOK);
      return;
    case UninstallStage::FilesRemain:
      RemoveFolderTree(InstallFolderOf(m_app.logPath()));
      EndDialog(IDOK);
      return;
    case UninstallStage::NotRun:
      RunOnce();
      return;
  }
}

void CUnwiseDlg::RunOnce() {
  ShowItem(hwnd(), kAnimation, true);
  SendMessageA(Item(kAnimation), ACM_PLAY, static_cast<WPARAM>(-1), MAKELPARAM(0, -1));
  EnableItem(hwnd(), IDOK, false);
  WindowRemovalHost host(hwnd());
  const RemovalResult result = RunRemoval(m_app.logPath(), m_app.settings(), host);
  switch (result.outcome) {
    case RemovalOutcome::LogNotOpened:
      StopAnimation();
      EnableItem(hwnd(), IDOK, true);
      return;
    case RemovalOutcome::Done:
      ShowDone();
      return;
    case RemovalOutcome::FilesRemain:
      ShowFilesRemain(result.remaining);
      return;
  }
}

void CUnwiseDlg::StopAnimation() { SendMessageA(Item(kAnimation), ACM_PLAY, 0, MAKELPARAM(1000, 1000)); }

void CUnwiseDlg::ShowDone() {
  ShowItem(hwnd(), IDCANCEL, false);
  const HWND button = Item(IDOK);
  RECT rect = ScreenToClientRect(hwnd(), ScreenRect(button));
  SetWindowPos(button, nullptr, rect.left + kDoneButtonShift, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  StopAnimation();
  EnableItem(hwnd(), IDOK, true);
  SetItemText(hwnd(), IDOK, m_app.settings().finishLabel);
  m_stage = UninstallStage::Done;
}

void CUnwiseDlg::ShowFilesRemain(const std::vector<std::string>& files) {
  SendMessageA(Item(kAnimation), ACM_OPENA, 0, 0);
  SetItemText(hwnd(), IDOK, m_app.settings().filesRemainLabel);
  m_stage = UninstallStage::FilesRemain;
  SetItemText(hwnd(), IDCANCEL, m_app.english() ? "Exit" : "退出");
  for (const auto& file : files) SendMessageA(m_hList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(file.c_str()));
  ShowWindow(m_hList, SW_SHOW);
  EnableItem(hwnd(), IDOK, true);
  SetWindowPos(Item(kStatusLine1), nullptr, 125, 10, 200, 25, SWP_NOZORDER);
  StopAnimation();
}

void CUnwiseDlg::Paint() {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(hwnd(), &paint);
  if (IsIconic(hwnd())) {
    RECT client;
    GetClientRect(hwnd(), &client);
    const int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, m_hIcon);
  }
  if (m_picture.loaded())
    m_picture.Draw(dc, kPictureRect.left, kPictureRect.top, kPictureRect.right - kPictureRect.left,
                   kPictureRect.bottom - kPictureRect.top);
  EndPaint(hwnd(), &paint);
}

bool CUnwiseDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  switch (message) {
    case WM_PAINT:
      Paint();
      result = TRUE;
      return true;
    case WM_QUERYDRAGICON:
      result = reinterpret_cast<INT_PTR>(m_hIcon);
      return true;
    case WM_CTLCOLORLISTBOX:
      if (reinterpret_cast<HWND>(lParam) != m_hList) break;
      SetTextColor(reinterpret_cast<HDC>(wParam), kListText);
      SetBkColor(reinterpret_cast<HDC>(wParam), kListBackground);
      result = reinterpret_cast<INT_PTR>(ListBrush());
      return true;
    default:
      break;
  }
  return CDialog::OnMessage(message, wParam, lParam, result);
}

}  // namespace sk
