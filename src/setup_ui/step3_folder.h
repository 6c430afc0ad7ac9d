// The folder page: proposes the previous installation's folder or the default one, browses for
// another, and on Next refuses unsuitable locations, asks about the free space, creates the
// folder and hands it to the rest of setup.
#pragma once

#include <string>

#include "shared/property_sheet.h"

namespace sk {

class CWizardSheet;

class CStep3 : public CPropertyPage {
 public:
  explicit CStep3(CWizardSheet& sheet);

  HWND m_hFolderEdit = nullptr;
  std::string m_strLine1, m_strLine2, m_strLine3;
  std::string m_strPrompt;
  std::string m_strBrowseLabel;
  std::string m_strFolder;  // proposed, and finally the chosen install folder
  double m_dRequiredMb = 0;

 protected:
  void DoDataExchange(DataExchange& exchange) override;
  BOOL OnInitDialog() override;
  bool OnSetActive() override;
  bool OnQueryCancel() override;
  LRESULT OnWizardNext() override;
  bool OnCommand(WORD id, WORD code, HWND control) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  // The folder of an earlier installation of this version, or the empty text.
  std::string ReadPreviousInstall() const;
  void OnBrowse();
  // True when location can take the install folder; otherwise the refusal has been shown.
  bool CheckInstallTarget(const std::string& location, const std::string& caption) const;

  CWizardSheet& m_sheet;
};

}  // namespace sk
