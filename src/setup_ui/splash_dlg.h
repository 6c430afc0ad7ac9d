// The start-up splash: a picture in the middle of the screen for a configured time, with the
// preparing dialog counting down over it when a preparing caption is configured.
#pragma once

#include <windows.h>

#include "setup_ui/prepare_dlg.h"
#include "shared/dialog.h"
#include "shared/picture.h"

namespace sk {

// Results of the modal run.
inline constexpr INT_PTR kSplashDone = IDOK;
inline constexpr INT_PTR kSplashCancelled = IDCANCEL;

class CSplashDlg : public CDialog {
 public:
  CSplashDlg();

  CPrepareDlg m_prepare;  // filled in by the caller; created only with a caption
  int m_nDuration = 0;    // milliseconds
  const CPicture* m_pPicture = nullptr;

 protected:
  BOOL OnInitDialog() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  void OnTimer();
  void OnPaint();
  bool PrepareExists() const { return m_prepare.hwnd() != nullptr; }
};

}  // namespace sk
