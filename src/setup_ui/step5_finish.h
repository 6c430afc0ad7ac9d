// The finish page: shown once the worker is done, with its Finish button.
#pragma once

#include "shared/property_sheet.h"

namespace sk {

class CWizardSheet;

class CStep5 : public CPropertyPage {
 public:
  explicit CStep5(CWizardSheet& sheet);

 protected:
  bool OnSetActive() override;
  bool OnWizardFinish() override;
  bool OnQueryCancel() override;

 private:
  CWizardSheet& m_sheet;
};

}  // namespace sk
