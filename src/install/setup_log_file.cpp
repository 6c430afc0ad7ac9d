#include "install/setup_log_file.h"

namespace sk {

bool SetupLogFile::Create(const std::string& installFolder) {
  path_ = installFolder + kPathSeparator + std::string(kSetupLogName);
  if (PathExists(path_)) ClearFileAttributes(path_);
  file_ = File::CreateTruncate(path_);
  return file_.IsOpen();
}

void SetupLogFile::Write(const std::string& bytes) { file_.Write(bytes.data(), bytes.size()); }

void SetupLogFile::Close(bool remove) {
  file_.Close();
  if (remove) DeleteFilePath(path_);
}

}  // namespace sk
