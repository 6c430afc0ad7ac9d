#include "shared/property_sheet.h"

namespace sk {

PROPSHEETPAGEA CPropertyPage::Description() {
  PROPSHEETPAGEA page = {};
  page.dwSize = sizeof page;
  page.hInstance = GetModuleHandleA(nullptr);
  page.pszTemplate = MAKEINTRESOURCEA(templateId());
  page.pfnDlgProc = PageProc;
  page.lParam = reinterpret_cast<LPARAM>(this);
  return page;
}

INT_PTR CALLBACK CPropertyPage::PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  CDialog* object = nullptr;
  if (message == WM_INITDIALOG)
    object = reinterpret_cast<CPropertyPage*>(reinterpret_cast<const PROPSHEETPAGEA*>(lParam)->lParam);
  return Route(window, message, wParam, lParam, object);
}

INT_PTR CPropertyPage::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NOTIFY) {
    INT_PTR handled = FALSE;
    if (OnMessage(message, wParam, lParam, handled)) return handled;
    SetMessageResult(OnNotify(*reinterpret_cast<const NMHDR*>(lParam)));
    return TRUE;
  }
  return CDialog::Dispatch(message, wParam, lParam);
}

LRESULT CPropertyPage::OnNotify(const NMHDR& header) {
  switch (header.code) {
    case PSN_SETACTIVE: return OnSetActive() ? 0 : -1;
    case PSN_KILLACTIVE: return OnKillActive() ? FALSE : TRUE;
    case PSN_WIZBACK: return OnWizardBack();
    case PSN_WIZNEXT: return OnWizardNext();
    case PSN_WIZFINISH: return OnWizardFinish() ? FALSE : TRUE;
    case PSN_QUERYCANCEL: return OnQueryCancel() ? FALSE : TRUE;
    case PSN_RESET: OnReset(); return 0;
    case PSN_APPLY: return OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
    default: return 0;
  }
}

INT_PTR CPropertySheet::DoModal() {
  std::vector<PROPSHEETPAGEA> pages;
  pages.reserve(m_pages.size());
  for (CPropertyPage* page : m_pages) pages.push_back(page->Description());
  PROPSHEETHEADERA header = {};
  header.dwSize = sizeof header;
  header.dwFlags = m_dwFlags;
  header.hwndParent = m_hParent;
  header.hInstance = GetModuleHandleA(nullptr);
  header.pszCaption = m_strCaption.c_str();
  header.nPages = static_cast<UINT>(pages.size());
  header.nStartPage = m_nFirstPage;
  header.ppsp = pages.data();
  return PropertySheetA(&header);
}

void PostWizardButtons(HWND sheet, DWORD flags) {
  PostMessageA(sheet, PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(flags));
}

}  // namespace sk
