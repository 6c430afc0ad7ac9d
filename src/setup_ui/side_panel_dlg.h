// The wizard's side panel: a captionless popup over the pages' free left part, owned by the
// wizard, that plays the package's Flash movie or shows the side picture, and never keeps the
// activation.
#pragma once

#include <windows.h>

#include <string>

#include "setup_ui/shockwave_flash.h"
#include "shared/dialog.h"
#include "shared/picture.h"

namespace sk {

class CFlashDlg : public CDialog {
 public:
  CFlashDlg();
  ~CFlashDlg() override;

  // Set before Create.
  bool m_bFlash = false;                 // the package's side block is a Flash movie
  std::string m_strMoviePath;
  const CPicture* m_pPicture = nullptr;  // the side picture
  int x = 0, y = 0;                      // the first place on the screen

  CShockwaveFlash m_flash;
  int m_bFlashCreated = 0;

 protected:
  BOOL OnInitDialog() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
  bool PreTranslateMessage(MSG& message) override;

 private:
  void OnPaint();
  void FilterControlWindow();
};

}  // namespace sk
