#include "install/win/setup_bat.h"

namespace sk {

void RunSetupBat(const std::string& installFolder, SHELLEXECUTEINFOA& launch) {
  std::string folder = installFolder;
  if (!folder.empty() && folder.back() == '\\') folder.pop_back();
  const std::string path = folder + "\\setup.bat";
  if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return;
  // Filled into a local record first: the page reads the handle from the other thread and must
  // see either null or the finished launch.
  SHELLEXECUTEINFOA record = {};
  record.cbSize = sizeof record;
  record.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  record.lpFile = path.c_str();
  record.lpDirectory = folder.c_str();
  record.nShow = SW_SHOW;
  if (!ShellExecuteExA(&record) || !record.hProcess) return;
  launch = record;
  WaitForSingleObject(record.hProcess, INFINITE);
}

}  // namespace sk
