// The manifest resolved into a setup configuration plus where every block's bytes come from.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "package/setup_config.h"

namespace sk::tool {

// Where a value was set: the manifest line and the key, for messages.
struct Origin {
  int line = 0;
  std::string key;
};

struct BlockSource {
  std::string path;  // file to copy, as the tool opens it
  Origin origin;
};

// A zip entry's time, also the installed file's time when the manifest gives one.
struct FileTime {
  int year = 1980, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

struct FileSource {
  std::string path;
  bool compress = false;
  FileTime time;
  Origin origin;  // the [[file]] table
};

struct Manifest {
  std::string fileName;  // as the user named it, for messages
  SetupConfig config;    // texts in GBK; block offsets and sizes are filled in while writing
  std::optional<BlockSource> sidePicture, icon, backgroundPicture, splashPicture, music, animation;
  std::vector<FileSource> sources;  // one per config.files entry, same order
  int compressionLevel = 9;
};

// "setup.toml:12: key 'file.copy': message"
std::string FormatManifestError(const std::string& fileName, const Origin& origin,
                                const std::string& message);

// Reads and checks the manifest; throws UserError naming file, line and key.
Manifest LoadManifest(const std::string& path);

}  // namespace sk::tool
