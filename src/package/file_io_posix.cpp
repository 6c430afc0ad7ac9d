#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "file_io.h"

namespace sk {

File File::OpenRead(const std::string& path) {
  File f;
  f.handle_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  return f;
}

File File::CreateTruncate(const std::string& path) {
  File f;
  f.handle_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  return f;
}

bool File::IsOpen() const { return handle_ >= 0; }

std::int64_t File::Size() const {
  struct stat st;
  if (!IsOpen() || ::fstat(static_cast<int>(handle_), &st) != 0) return 0;
  return st.st_size;
}

bool File::Seek(std::int64_t offset) {
  return IsOpen() && offset >= 0 && ::lseek(static_cast<int>(handle_), offset, SEEK_SET) == offset;
}

std::size_t File::Read(void* buffer, std::size_t count) {
  if (!IsOpen()) return 0;
  for (;;) {
    const ssize_t n = ::read(static_cast<int>(handle_), buffer, count);
    if (n >= 0) return static_cast<std::size_t>(n);
    if (errno != EINTR) return 0;
  }
}

bool File::Write(const void* buffer, std::size_t count) {
  const char* p = static_cast<const char*>(buffer);
  while (IsOpen() && count > 0) {
    const ssize_t n = ::write(static_cast<int>(handle_), p, count);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    p += n;
    count -= static_cast<std::size_t>(n);
  }
  return count == 0;
}

void File::Close() {
  if (IsOpen()) ::close(static_cast<int>(handle_));
  handle_ = -1;
}

bool ClearFileAttributes(const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) return false;
  return ::chmod(path.c_str(), st.st_mode | S_IWUSR) == 0;
}

bool DeleteFilePath(const std::string& path) { return ::unlink(path.c_str()) == 0; }

bool PathExists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0;
}

}  // namespace sk
