// The folder page: proposes the default install folder and creates the one chosen on Next.
#pragma once

#include <string>

#include "shared/property_sheet.h"

namespace sk {

class CWizardSheet;

class CStep3 : public CPropertyPage {
 public:
  explicit CStep3(CWizardSheet& sheet);

  std::string m_strFolder;

 protected:
  void DoDataExchange(DataExchange& exchange) override;
  BOOL OnInitDialog() override;
  bool OnSetActive() override;
  LRESULT OnWizardNext() override;
  bool OnQueryCancel() override;

 private:
  CWizardSheet& m_sheet;
};

}  // namespace sk
