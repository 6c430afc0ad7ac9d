// Opening a finished package (setup.exe or unwise.exe) for inspect and extract.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "package/package_trailer.h"
#include "package/setup_config.h"
#include "package/uninstall_settings.h"

namespace sk::tool {

enum class PackageKind { kSetup, kUninstaller };

struct OpenedPackage {
  std::string path;
  std::int64_t fileSize = 0;
  PackageTrailer trailer;
  std::string tokenText;  // the descrambled configuration block
  PackageKind kind = PackageKind::kSetup;
};

// Throws UserError when the file cannot be read, has no trailer, or its trailer or
// configuration is damaged.
OpenedPackage OpenPackage(const std::string& path);

// The tokens of a serialised list, as the programs read them; an unterminated rest is no token.
std::vector<std::string> SplitTokens(std::string_view text);

SetupConfig ReadSetup(const OpenedPackage& package);
UninstallSettings ReadUninstaller(const OpenedPackage& package);

}  // namespace sk::tool
