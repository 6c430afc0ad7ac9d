// The small dialog over the splash that announces the wizard and counts down with a bar.
#pragma once

#include <windows.h>

#include <string>

#include "package/setup_config.h"
#include "shared/dialog.h"

namespace sk {

class CPrepareDlg : public CDialog {
 public:
  CPrepareDlg();
  ~CPrepareDlg() override;

  HWND m_hSplash = nullptr;  // the splash that made it; null until then
  std::string m_strMessage;  // bound to the text control
  // What it shows, from the configuration.
  std::string m_strCaption;
  std::string m_strText;
  std::string m_strFont;  // a font spec
  std::string m_strLanguage;  // UiTexts 0
  std::string m_strOwnPath;
  BlockRef m_iconBlock;

  HWND Progress() const { return m_hProgress; }

 protected:
  void DoDataExchange(DataExchange& exchange) override;
  BOOL OnInitDialog() override;
  void OnCancel() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  HFONT m_hFont = nullptr;
  HICON m_hIcon = nullptr;
  HWND m_hButton = nullptr;
  HWND m_hIconControl = nullptr;
  HWND m_hProgress = nullptr;
  HWND m_hText = nullptr;
};

}  // namespace sk
