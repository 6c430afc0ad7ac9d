// The agreement page: Next is offered only while the accept button is chosen, and the choice
// lasts as long as the wizard.
#pragma once

#include <string>

#include "shared/property_sheet.h"

namespace sk {

class CWizardSheet;

class CStep2 : public CPropertyPage {
 public:
  explicit CStep2(CWizardSheet& sheet);

  int m_bAccept = 0;
  HWND m_hAgreementBox = nullptr;
  std::string m_strLine1, m_strLine2;
  std::string m_strAgreement;
  std::string m_strAcceptLabel, m_strDeclineLabel;

 protected:
  void DoDataExchange(DataExchange& exchange) override;
  BOOL OnInitDialog() override;
  bool OnSetActive() override;
  bool OnQueryCancel() override;
  LRESULT OnWizardNext() override;
  bool OnCommand(WORD id, WORD code, HWND control) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  void OnChoice(int accept);

  CWizardSheet& m_sheet;
};

}  // namespace sk
