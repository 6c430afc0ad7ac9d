// The full-screen background window behind the wizard: a solid or gradient fill or a picture,
// and a large headline with a shadow.
#pragma once

#include <windows.h>

#include <string>

#include "shared/dialog.h"
#include "shared/picture.h"

namespace sk {

class CBackgroundDlg : public CDialog {
 public:
  CBackgroundDlg();
  ~CBackgroundDlg() override;

  COLORREF m_crColour = 0x808000;
  std::string m_strCaption;
  int m_nFill = 0;  // 0 solid, 1 toward black, 2 toward white, else the system's background
  bool m_bTitleBar = true;
  const CPicture* m_pPicture = nullptr;  // drawn over the fill when loaded
  std::string m_strHeadline;
  std::string m_strHeadlineFont;  // a font spec
  COLORREF m_crHeadline = 0;

 protected:
  BOOL OnInitDialog() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  void OnPaint();

  HBRUSH m_hBrush = nullptr;
};

}  // namespace sk
