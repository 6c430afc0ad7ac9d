#include <windows.h>

#include "file_io.h"

namespace sk {
namespace {

HANDLE AsHandle(std::intptr_t h) { return reinterpret_cast<HANDLE>(h); }

// Windows API calls take at most a DWORD of bytes at a time.
constexpr std::size_t kMaxIo = 1u << 30;

}  // namespace

File File::OpenRead(const std::string& path) {
  File f;
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h != INVALID_HANDLE_VALUE) f.handle_ = reinterpret_cast<std::intptr_t>(h);
  return f;
}

File File::CreateTruncate(const std::string& path) {
  File f;
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h != INVALID_HANDLE_VALUE) f.handle_ = reinterpret_cast<std::intptr_t>(h);
  return f;
}

bool File::IsOpen() const { return handle_ != -1; }

std::int64_t File::Size() const {
  LARGE_INTEGER size;
  if (!IsOpen() || !GetFileSizeEx(AsHandle(handle_), &size)) return 0;
  return size.QuadPart;
}

bool File::Seek(std::int64_t offset) {
  if (!IsOpen() || offset < 0) return false;
  LARGE_INTEGER to;
  to.QuadPart = offset;
  return SetFilePointerEx(AsHandle(handle_), to, nullptr, FILE_BEGIN) != 0;
}

std::size_t File::Read(void* buffer, std::size_t count) {
  DWORD got = 0;
  if (!IsOpen() ||
      !ReadFile(AsHandle(handle_), buffer, static_cast<DWORD>(count < kMaxIo ? count : kMaxIo),
                &got, nullptr))
    return 0;
  return got;
}

bool File::Write(const void* buffer, std::size_t count) {
  const char* p = static_cast<const char*>(buffer);
  while (IsOpen() && count > 0) {
    DWORD done = 0;
    const DWORD chunk = static_cast<DWORD>(count < kMaxIo ? count : kMaxIo);
    if (!WriteFile(AsHandle(handle_), p, chunk, &done, nullptr) || done == 0) return false;
    p += done;
    count -= done;
  }
  return count == 0;
}

void File::Close() {
  if (IsOpen()) CloseHandle(AsHandle(handle_));
  handle_ = -1;
}

bool ClearFileAttributes(const std::string& path) {
  return SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL) != 0;
}

bool DeleteFilePath(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

bool PathExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace sk
