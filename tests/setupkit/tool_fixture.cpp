#include "tool_fixture.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "package/stub_marker.h"
#include "package_writer.h"

namespace sk::tool::test {

namespace fs = std::filesystem;

std::string ToolFixture::Write(const std::string& name, const std::string& bytes) {
  const fs::path path = fs::path(dir.path()) / name;
  fs::create_directories(path.parent_path());
  sk::test::WriteAll(path.string(), bytes);
  return path.string();
}

std::string ToolFixture::Stub() {
  return Write("stub.exe", "MZ stand-in program " + std::string(kStubMarker) + " end of image");
}

Manifest ToolFixture::Load(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\n";
  Write("setup.toml", text);
  return LoadManifest(ManifestPath());
}

std::string ToolFixture::Build(const std::vector<std::string>& lines) {
  const std::string stub = Stub();
  Manifest manifest = Load(lines);
  ProgressBar quiet(false);
  BuildPackage(manifest, {stub, OutputPath()}, quiet);
  return OutputPath();
}

std::vector<std::string> ToolFixture::Listing() const {
  std::vector<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(dir.path()))
    names.push_back(fs::relative(entry.path(), dir.path()).generic_string());
  std::sort(names.begin(), names.end());
  return names;
}

std::string TestName(const std::string& title) {
  std::string name;
  for (char c : title) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return name;
}

std::string SampleBytes(std::size_t size, unsigned seed) {
  std::string bytes(size, '\0');
  unsigned state = seed * 2654435761u + 1;
  for (std::size_t i = 0; i < size; ++i) {
    state = state * 1103515245u + 12345u;
    // Half the bytes repeat a short pattern, so deflate has something to find.
    bytes[i] = (i / 64) % 2 ? static_cast<char>("setupkit"[i % 8]) : static_cast<char>(state >> 16);
  }
  return bytes;
}

}  // namespace sk::tool::test
