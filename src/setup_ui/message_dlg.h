// setup's one message box: a text of any length, an optional icon and one to three buttons
// with the caller's labels; it sizes itself to the text and spreads the buttons evenly.
#pragma once

#include <windows.h>

#include <string>

#include "shared/dialog.h"

namespace sk {

// Answers 1, 2 or 3 for the button pressed, -1 for Escape and the close box. iconKind: -1
// none, 0 the program icon (only while the application has a main window), 1 exclamation,
// 2 question, 3 stop. count (1 to 3) labels are taken. An empty caption takes the owner's title.
int ShowMessage(std::string text, std::string caption, int iconKind, int count, const char* label1,
                const char* label2 = nullptr, const char* label3 = nullptr);

class CMessageDlg : public CDialog {
 public:
  CMessageDlg();

  HICON m_hIcon = nullptr;
  std::string m_strCaption;
  std::string m_strLabel[3] = {"b1", "b2", "b3"};
  int m_nCount = 3;
  std::string m_strText;

 protected:
  void DoDataExchange(DataExchange& exchange) override;
  BOOL OnInitDialog() override;
  bool OnCommand(WORD id, WORD code, HWND control) override;
  void OnClose() override;
  bool PreTranslateMessage(MSG& message) override;

 private:
  // Sizes the box to its text and places the buttons.
  void LayOut();

  HWND m_hText = nullptr;
  HWND m_hButton[3] = {};
  HWND m_hIconControl = nullptr;
};

}  // namespace sk
