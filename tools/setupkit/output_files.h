// Output that appears only when complete: written under a temporary name beside its final
// name, renamed by Commit, and removed if the program gives up before.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "package/file_io.h"

namespace sk::tool {

class PendingFile {
 public:
  explicit PendingFile(std::string finalPath);  // throws UserError when it cannot be created
  PendingFile(const PendingFile&) = delete;
  PendingFile& operator=(const PendingFile&) = delete;
  ~PendingFile();

  void Write(const void* bytes, std::size_t count);  // throws on a failed write
  // Appends the whole source file and returns its length, or -1 when it cannot be opened.
  // onBytes(n) reports progress. Linux copies inside the kernel, which halves the time of a
  // build without compression.
  std::int64_t AppendFile(const std::string& source,
                          const std::function<void(std::int64_t)>& onBytes);
  std::int64_t position() const { return position_; }
  const std::string& finalPath() const { return finalPath_; }
  // Closes the file and gives it its final name.
  void Commit();

 private:
  std::string finalPath_;
  std::string tempPath_;
  File file_;
  std::int64_t position_ = 0;
  bool committed_ = false;
  std::string buffer_;  // for copies through memory, allocated once
#ifdef __linux__
  int copyFd_ = -1;  // a second descriptor of the file, for in-kernel copies at an offset
#endif
};

// A folder for intermediate files, removed with everything in it.
class ScratchFolder {
 public:
  explicit ScratchFolder(std::string path);
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder();
  std::string File(const std::string& name) const;

 private:
  std::string path_;
};

}  // namespace sk::tool
