// setup.log on disk: created once at Finish in the install folder, written as the shortcuts
// are made, and deleted again when the package wants no uninstaller.
#pragma once

#include <string>
#include <string_view>

#include "package/file_io.h"
#include "package/setup_log.h"

namespace sk {

class SetupLogFile {
 public:
  // Makes a log left by an earlier installation writable and replaces it; false when the file
  // cannot be created.
  bool Create(const std::string& installFolder);
  // Bytes as SetupLogHeadBytes gives them. A failed write goes unnoticed, as it would through
  // the text stream the log was always written with.
  void Write(const std::string& bytes);
  void WriteLine(std::string_view text) { Write(SetupLogLine(text)); }
  // Closes the file, and deletes it when remove is set.
  void Close(bool remove);
  const std::string& path() const { return path_; }

 private:
  std::string path_;
  File file_;
};

}  // namespace sk
