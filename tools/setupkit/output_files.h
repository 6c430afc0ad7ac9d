// Output that appears only when complete: written under a temporary name beside its final
// name, renamed by Commit, and removed if the program gives up before.
#pragma once

#include <cstdint>
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
  // Appends the whole source file; returns its length. onBytes(n) after every chunk.
  template <class OnBytes>
  std::int64_t Append(File& source, OnBytes onBytes);
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
  std::string buffer_;  // for Append, allocated once
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

inline constexpr std::size_t kCopyChunk = 1 << 20;

template <class OnBytes>
std::int64_t PendingFile::Append(sk::File& source, OnBytes onBytes) {
  buffer_.resize(kCopyChunk);
  std::int64_t total = 0;
  for (;;) {
    const std::size_t n = source.Read(buffer_.data(), buffer_.size());
    if (n == 0) break;
    Write(buffer_.data(), n);
    total += static_cast<std::int64_t>(n);
    onBytes(n);
  }
  return total;
}

}  // namespace sk::tool
