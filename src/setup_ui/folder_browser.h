// The platform's folder-selection dialog, with its buttons in the package's language.
#pragma once

#include <windows.h>

#include <string>

namespace sk {

class CFolderBrowser {
 public:
  // The selection dialog's window title; empty keeps the platform's.
  void SetTitle(std::string title) { m_strTitle = std::move(title); }
  // The text above the folder tree.
  void SetPrompt(std::string prompt) { m_strPrompt = std::move(prompt); }
  // Runs the dialog owned by owner; true when a file-system folder was chosen.
  bool Browse(HWND owner, bool chinese);
  const std::string& GetPath() const { return m_strPath; }

 private:
  static int CALLBACK Callback(HWND dialog, UINT message, LPARAM parameter, LPARAM self);

  std::string m_strTitle;
  std::string m_strPrompt;
  std::string m_strPath;
};

}  // namespace sk
