#include "support/temp_dir.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace sk::test {

namespace fs = std::filesystem;

TempDir::TempDir() {
  std::random_device rd;
  const fs::path dir = fs::temp_directory_path() / ("sk-test-" + std::to_string(rd()) + std::to_string(rd()));
  fs::create_directories(dir);
  path_ = dir.string();
  path_ += static_cast<char>(fs::path::preferred_separator);
}

TempDir::~TempDir() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteAll(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string AsString(const std::vector<unsigned char>& bytes) { return {bytes.begin(), bytes.end()}; }

}  // namespace sk::test
