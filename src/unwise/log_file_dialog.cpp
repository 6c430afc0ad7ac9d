#include "unwise/log_file_dialog.h"

#include <windows.h>
#include <commdlg.h>

namespace sk {

bool ChooseLogFile(const std::string& folder, std::string& chosen) {
  // "log files(*.log)|*.log|" in the platform's form: pairs separated by NULs.
  static const char kFilter[] = "log files(*.log)\0*.log\0";
  char file[MAX_PATH] = "setup.log";
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.lpstrFilter = kFilter;
  dialog.lpstrFile = file;
  dialog.nMaxFile = sizeof file;
  dialog.lpstrInitialDir = folder.c_str();
  dialog.lpstrDefExt = "setup.log";
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
  if (!GetOpenFileNameA(&dialog)) return false;
  chosen = file;
  return true;
}

}  // namespace sk
