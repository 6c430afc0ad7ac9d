// The installation wizard: five pages of which the folder page may be left out, the install
// folder fixed here when it is, the free-space question, the icon, the minimize box and the
// z-order over the background window.
#pragma once

#include <windows.h>

#include <string>

#include "setup_ui/step1_welcome.h"
#include "setup_ui/step2_agreement.h"
#include "setup_ui/step3_folder.h"
#include "setup_ui/step4_copying.h"
#include "setup_ui/step5_finish.h"
#include "shared/property_sheet.h"

namespace sk {

class CWizardSheet : public CPropertySheet {
 public:
  CWizardSheet(std::string caption, HWND parent, UINT firstPage);
  ~CWizardSheet() override;

  // The pages call this when they open: the first call takes the sheet's window over.
  void AttachWindow(HWND sheet);
  HWND hwnd() const { return m_hWnd; }

  bool FolderPageLeftOut() const { return m_bFolderLeftOut; }
  // The finish page's index: 3 without the folder page, else 4.
  int FinishPageIndex() const { return m_bFolderLeftOut ? 3 : 4; }

  int m_bAbort = 0;
  HICON m_hIcon = nullptr;
  std::string m_strInstallFolder;  // ends in a backslash

  CStep1 m_step1;
  CStep2 m_step2;
  CStep3 m_step3;
  CStep4 m_step4;
  CStep5 m_step5;

 private:
  // False when the user chose Abort at the free-space question.
  bool FixInstallFolder();
  void LoadIcon();
  void OnFirstShow();
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR self);

  bool m_bFolderLeftOut = false;
  bool m_bOwnIcon = false;
  HWND m_hWnd = nullptr;
};

// The frame every page shares: the wizard's button labels and the Cancel question.
void SetWizardLabel(HWND sheet, int buttonId, const std::string& label);
void ShowWizardButton(HWND sheet, int buttonId, bool show);
// The configured question with the two configured answers; true for the second, which lets the
// wizard close.
bool ConfirmCancel(const std::string& question);

inline constexpr int kBackButton = 0x3023;
inline constexpr int kNextButton = 0x3024;
inline constexpr int kFinishButton = 0x3025;
inline constexpr int kCancelButton = IDCANCEL;
inline constexpr int kHelpButton = 9;

// Runs the wizard after setup's start-up; setup's exit status.
int RunWizard();

}  // namespace sk
