// The finish page: five choices (desktop, start menu and program-group shortcuts, the readme,
// the program to run), offered as the file list allows, and the Finish action.
#pragma once

#include <array>
#include <string>

#include "install/install_paths.h"
#include "shared/property_sheet.h"

namespace sk {

class CWizardSheet;

class CStep5 : public CPropertyPage {
 public:
  explicit CStep5(CWizardSheet& sheet);

  // The three information texts, shown whole whatever their length.
  std::string m_strLine1, m_strLine2, m_strClosing;
  // Captions and choices of the boxes, in the order desktop, start menu, program group,
  // readme, run.
  std::array<std::string, 5> m_strCaption;
  std::array<int, 5> m_nChoice = {0, 0, 1, 0, 0};

 protected:
  void DoDataExchange(DataExchange& exchange) override;
  BOOL OnInitDialog() override;
  bool OnSetActive() override;
  bool OnWizardFinish() override;
  bool OnQueryCancel() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  void LayOut();
  // The base folders, once, on the first paint (or at Finish when that came first).
  void TakeFolders();

  CWizardSheet& m_sheet;
  BaseFolders m_folders;
};

}  // namespace sk
