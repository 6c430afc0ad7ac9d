// The welcome page: twelve configured lines.
#pragma once

#include <array>
#include <string>

#include "shared/property_sheet.h"

namespace sk {

class CWizardSheet;

class CStep1 : public CPropertyPage {
 public:
  explicit CStep1(CWizardSheet& sheet);

  std::array<std::string, 12> m_strLine;

 protected:
  void DoDataExchange(DataExchange& exchange) override;
  BOOL OnInitDialog() override;
  bool OnSetActive() override;
  bool OnQueryCancel() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  CWizardSheet& m_sheet;
};

}  // namespace sk
