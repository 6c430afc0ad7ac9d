// The uninstaller window: greets with the product and its picture, runs the removal on the
// first press, and ends on the "complete" screen or with the files that stayed behind.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "shared/dialog.h"
#include "shared/picture.h"

namespace sk {

class CUnwiseApp;

enum class UninstallStage { NotRun = 0, Done = 1, FilesRemain = -1 };

class CUnwiseDlg : public CDialog {
 public:
  explicit CUnwiseDlg(const CUnwiseApp& app);
  ~CUnwiseDlg() override;

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  void RunOnce();
  void StopAnimation();
  void ShowDone();
  void ShowFilesRemain(const std::vector<std::string>& files);
  void Paint();

  const CUnwiseApp& m_app;
  CPicture m_picture;
  HICON m_hIcon = nullptr;
  bool m_bOwnIcon = false;
  HWND m_hList = nullptr;
  UninstallStage m_stage = UninstallStage::NotRun;
};

}  // namespace sk
