// Start-up of setup: the configuration and the blocks it takes out of its own file.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "setup_config.h"

namespace sk {

// Fixed names in the temporary folder.
inline constexpr const char* kConfigTempName = "mirl.tmp";
inline constexpr const char* kMovieTempName = "mirl.swf";
inline constexpr const char* kAnimationTempName = "mirl_filecopy.avi";
inline constexpr const char* kUninstallerTempName = "unwise_mirl.tmp";

struct SetupResources {
  std::span<const std::uint8_t> unwiseImage;     // resource "EXE" 137
  std::span<const std::uint8_t> builtinPicture;  // resource "JPG" 131
};

struct LoadedSetup {
  SetupConfig config;
  // Picture bytes taken out of the package; empty when absent.
  std::vector<std::uint8_t> sidePicture;
  std::vector<std::uint8_t> backgroundPicture;
  std::vector<std::uint8_t> splashPicture;
  bool sidePictureIsBuiltin = false;  // the side picture is the built-in one
  std::string moviePath;
  std::string animationPath;
  std::string uninstallerPath;
};

// ownPath: the running setup file; tempFolder: the temporary folder with its trailing
// separator. Returns 1 when the configuration was read and the uninstaller written, else 0;
// the media steps run in either case, as far as the configuration goes.
int LoadSetupConfig(const std::string& ownPath, const std::string& tempFolder,
                    const SetupResources& resources, LoadedSetup& out);

}  // namespace sk
