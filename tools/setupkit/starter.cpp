#include "starter.h"

#include <filesystem>
#include <fstream>

#include "user_error.h"

namespace sk::tool {

namespace fs = std::filesystem;

void WriteStarter(const std::string& folder) {
  const fs::path root = fs::u8path(folder);
  for (std::size_t i = 0; i < kStarterFileCount; ++i)
    if (fs::exists(root / fs::u8path(kStarterFiles[i].name)))
      throw UserError("setupkit: '" + (root / kStarterFiles[i].name).string() +
                      "' exists already; choose an empty folder");
  for (std::size_t i = 0; i < kStarterFileCount; ++i) {
    const fs::path path = root / fs::u8path(kStarterFiles[i].name);
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(kStarterFiles[i].bytes),
              static_cast<std::streamsize>(kStarterFiles[i].size));
    if (!out) throw UserError("setupkit: cannot write '" + path.string() + "'");
  }
}

}  // namespace sk::tool
