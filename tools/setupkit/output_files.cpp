#include "output_files.h"

#include <filesystem>

#include "user_error.h"

#ifdef __linux__
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace sk::tool {

namespace fs = std::filesystem;

namespace {
constexpr std::size_t kCopyChunk = 1 << 20;
}

PendingFile::PendingFile(std::string finalPath)
    : finalPath_(std::move(finalPath)), tempPath_(finalPath_ + ".setupkit-partial") {
  file_ = File::CreateTruncate(tempPath_);
  if (!file_.IsOpen()) throw UserError("setupkit: cannot create '" + finalPath_ + "'");
#ifdef __linux__
  copyFd_ = ::open(tempPath_.c_str(), O_WRONLY | O_CLOEXEC);
#endif
}

PendingFile::~PendingFile() {
#ifdef __linux__
  if (copyFd_ >= 0) ::close(copyFd_);
#endif
  if (committed_) return;
  file_.Close();
  DeleteFilePath(tempPath_);
}

void PendingFile::Write(const void* bytes, std::size_t count) {
  if (!file_.Write(bytes, count)) throw std::runtime_error("cannot write '" + tempPath_ + "'");
  position_ += static_cast<std::int64_t>(count);
}

#ifdef __linux__
namespace {
// Copies source to target at offset inside the kernel, as far as the kernel can; the number of
// bytes copied, or -1 when the source cannot be opened.
std::int64_t CopyInKernel(const std::string& source, int target, std::int64_t offset,
                          const std::function<void(std::int64_t)>& onBytes) {
  const int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) return -1;
  std::int64_t total = 0;
  loff_t at = offset;
  for (;;) {
    const ssize_t n = ::copy_file_range(in, nullptr, target, &at, kCopyChunk * 64, 0);
    if (n <= 0) break;  // the end, or a pair of files the kernel cannot copy between
    total += n;
    onBytes(n);
  }
  ::close(in);
  return total;
}
}  // namespace
#endif

std::int64_t PendingFile::AppendFile(const std::string& source,
                                     const std::function<void(std::int64_t)>& onBytes) {
  std::int64_t total = 0;
#ifdef __linux__
  if (copyFd_ >= 0) {
    total = CopyInKernel(source, copyFd_, position_, onBytes);
    if (total < 0) return -1;
    position_ += total;
    if (!file_.Seek(position_)) throw std::runtime_error("cannot seek '" + tempPath_ + "'");
  }
#endif
  File in = File::OpenRead(source);
  if (!in.IsOpen() || !in.Seek(total)) return total > 0 ? total : -1;
  buffer_.resize(kCopyChunk);
  for (;;) {
    const std::size_t n = in.Read(buffer_.data(), buffer_.size());
    if (n == 0) break;
    Write(buffer_.data(), n);
    total += static_cast<std::int64_t>(n);
    onBytes(static_cast<std::int64_t>(n));
  }
  return total;
}

void PendingFile::Commit() {
  file_.Close();
  std::error_code ec;
  fs::rename(fs::u8path(tempPath_), fs::u8path(finalPath_), ec);
  if (ec) throw std::runtime_error("cannot rename '" + tempPath_ + "': " + ec.message());
  committed_ = true;
}

ScratchFolder::ScratchFolder(std::string path) : path_(std::move(path)) {
  std::error_code ec;
  fs::create_directories(fs::u8path(path_), ec);
  if (ec) throw UserError("setupkit: cannot create '" + path_ + "'");
}

ScratchFolder::~ScratchFolder() {
  std::error_code ec;
  fs::remove_all(fs::u8path(path_), ec);
}

std::string ScratchFolder::File(const std::string& name) const { return JoinPath(path_, name); }

}  // namespace sk::tool
