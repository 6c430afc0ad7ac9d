// The few file operations the package readers and writers need, implemented per platform
// (file_io_posix.cpp, file_io_win.cpp). Paths are byte strings in the system code page.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace sk {

class File {
 public:
  File() = default;
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  File(File&& other) noexcept;
  File& operator=(File&& other) noexcept;
  ~File();

  // Opens for reading; others may read and write the file meanwhile.
  static File OpenRead(const std::string& path);
  // Creates or truncates for writing.
  static File CreateTruncate(const std::string& path);

  bool IsOpen() const;
  std::int64_t Size() const;
  bool Seek(std::int64_t offset);
  // Returns the number of bytes read; 0 at the end or on error.
  std::size_t Read(void* buffer, std::size_t count);
  // Returns true when every byte was written.
  bool Write(const void* buffer, std::size_t count);
  void Close();

 private:
  std::intptr_t handle_ = -1;
};

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// folder + name, with a separator between them unless folder already ends in one.
std::string JoinPath(const std::string& folder, const std::string& name);

// Gives the file normal attributes (so that a read-only one can be replaced); false when it
// does not exist.
bool ClearFileAttributes(const std::string& path);
bool DeleteFilePath(const std::string& path);
bool PathExists(const std::string& path);

}  // namespace sk
