// The copying page: owns the install worker, answers its requests for a setup disk, and
// pauses or abandons it when the user presses Cancel.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "install/install_paths.h"
#include "install/win/install_window_host.h"
#include "shared/property_sheet.h"

namespace sk {

class CInsertDiskDlg;
class CWizardSheet;

class CStep4 : public CPropertyPage {
 public:
  explicit CStep4(CWizardSheet& sheet);
  ~CStep4() override;

  CWizardSheet& sheet() { return m_sheet; }

  HANDLE m_hWorker = nullptr;
  // Filled once the batch file has started; Cancel is refused from then on.
  SHELLEXECUTEINFOA m_launch = {};
  BaseFolders m_folders;
  DiskFolders m_diskFolders;
  int m_nDelay = 0;
  std::string m_strHeading;

 protected:
  void DoDataExchange(DataExchange& exchange) override;
  BOOL OnInitDialog() override;
  bool OnSetActive() override;
  bool OnKillActive() override;
  bool OnQueryCancel() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  void OnFirstPaint();
  void OnNeedDisk(int entryIndex);
  void PlayAnimation();
  void HaltAnimation();

  CWizardSheet& m_sheet;
  bool m_bGivenUp = false;  // the insert-disk dialog or the Cancel question gave up
  CInsertDiskDlg* m_pDiskPrompt = nullptr;  // while the insert-disk dialog is open
};

}  // namespace sk
