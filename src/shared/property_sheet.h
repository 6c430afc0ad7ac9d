// A property sheet in wizard mode and its pages. A page is a CDialog whose object travels in
// its PROPSHEETPAGE's lParam to WM_INITDIALOG and lives in DWLP_USER from then on; every PSN_*
// notification becomes one virtual of the page, in one place (CPropertyPage::OnNotify).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "shared/dialog.h"

namespace sk {

class CPropertyPage : public CDialog {
 public:
  explicit CPropertyPage(int templateId) : CDialog(templateId) {}

  // The description the sheet is built from.
  PROPSHEETPAGEA Description();
  // The sheet window (the page's parent); null before the page is created.
  HWND Sheet() const { return hwnd() ? GetParent(hwnd()) : nullptr; }

 protected:
  // PSN_SETACTIVE: true to accept the activation.
  virtual bool OnSetActive() { return true; }
  // PSN_KILLACTIVE: true to let the page go. The base re-reads the data and refuses to leave
  // when a value is refused.
  virtual bool OnKillActive() { return UpdateData(true); }
  // PSN_WIZBACK / PSN_WIZNEXT: 0 goes to the neighbouring page, -1 stays, a template id
  // jumps to that page.
  virtual LRESULT OnWizardBack() { return 0; }
  virtual LRESULT OnWizardNext() { return 0; }
  // PSN_WIZFINISH: true lets the sheet close.
  virtual bool OnWizardFinish() { return true; }
  // PSN_QUERYCANCEL: true lets the sheet close.
  virtual bool OnQueryCancel() { return true; }
  // PSN_RESET: the sheet is closing after Cancel.
  virtual void OnReset() {}
  // PSN_APPLY: true accepts.
  virtual bool OnApply() { return true; }

  INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // The value the notification returns to the sheet.
  LRESULT OnNotify(const NMHDR& header);
  static INT_PTR CALLBACK PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

class CPropertySheet {
 public:
  CPropertySheet(std::string caption, HWND parent, UINT firstPage)
      : m_strCaption(std::move(caption)), m_hParent(parent), m_nFirstPage(firstPage) {}
  virtual ~CPropertySheet() = default;
  CPropertySheet(const CPropertySheet&) = delete;
  CPropertySheet& operator=(const CPropertySheet&) = delete;

  // Pages stay owned by the caller and must outlive the modal run.
  void AddPage(CPropertyPage* page) { m_pages.push_back(page); }
  int PageCount() const { return static_cast<int>(m_pages.size()); }
  // The sheet runs as a wizard (PSH_WIZARD).
  void SetWizardMode() { m_dwFlags |= PSH_WIZARD; }
  // Runs the sheet modally; PropertySheetA's result.
  INT_PTR DoModal();

 private:
  std::string m_strCaption;
  HWND m_hParent;
  UINT m_nFirstPage;
  DWORD m_dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW;
  std::vector<CPropertyPage*> m_pages;
};

// Enables the wizard buttons named by flags (PSWIZB_*); posted, as a page does on activation.
void PostWizardButtons(HWND sheet, DWORD flags);

}  // namespace sk
