// The agreement page: Next is offered once the accept button is chosen.
#pragma once

#include "shared/property_sheet.h"

namespace sk {

class CWizardSheet;

class CStep2 : public CPropertyPage {
 public:
  explicit CStep2(CWizardSheet& sheet);

 protected:
  BOOL OnInitDialog() override;
  bool OnSetActive() override;
  bool OnQueryCancel() override;
  bool OnCommand(WORD id, WORD code, HWND control) override;

 private:
  void EnableButtons();
  CWizardSheet& m_sheet;
};

}  // namespace sk
