// A fresh folder per test, removed afterwards.
#pragma once

#include <string>
#include <vector>

namespace sk::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // The folder, ending in a separator.
  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + name; }

 private:
  std::string path_;
};

std::string ReadAll(const std::string& path);
void WriteAll(const std::string& path, const std::string& bytes);
std::string AsString(const std::vector<unsigned char>& bytes);

}  // namespace sk::test
