#include "stub_check.h"

#include <filesystem>
#include <vector>

#include "package/file_io.h"
#include "package/package_trailer.h"
#include "package/range_io.h"
#include "package/stub_marker.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace sk::tool {

namespace {

bool ContainsMarker(File& file) {
  std::string window;
  std::vector<char> buffer(1 << 20);
  for (;;) {
    const std::size_t n = file.Read(buffer.data(), buffer.size());
    if (n == 0) return false;
    // Keep the tail of the previous chunk so that a marker across the boundary is found.
    window.append(buffer.data(), n);
    if (window.find(kStubMarker) != std::string::npos) return true;
    const std::size_t keep = kStubMarker.size() - 1;
    if (window.size() > keep) window.erase(0, window.size() - keep);
  }
}

bool EndsInTrailer(const std::string& path, std::int64_t size) {
  const std::int64_t tailLength = std::min<std::int64_t>(size, kTrailerWindow);
  auto tail = ReadRange(path, tailLength, size - tailLength);
  if (!tail) return false;
  const std::string text(tail->begin(), tail->end());
  auto trailer = ParsePackageTrailer(text);
  if (!trailer) return false;
  const std::string formatted = FormatPackageTrailer(*trailer);
  return text.size() >= formatted.size() &&
         text.compare(text.size() - formatted.size(), formatted.size(), formatted) == 0;
}

}  // namespace

std::string StubProblem(const std::string& path) {
  File file = File::OpenRead(path);
  if (!file.IsOpen()) return "cannot read the stub '" + path + "'";
  const std::int64_t size = file.Size();
  if (!ContainsMarker(file)) return "'" + path + "' is not a setup.exe of ours";
  if (EndsInTrailer(path, size))
    return "'" + path + "' already carries a package; give the bare setup.exe";
  return {};
}

std::string DefaultStubPath() {
#ifdef _WIN32
  char own[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, own, MAX_PATH);
  const std::filesystem::path self(std::string(own, n));
#else
  std::error_code ec;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
#endif
  return (self.parent_path() / "setup.exe").string();
}

}  // namespace sk::tool
