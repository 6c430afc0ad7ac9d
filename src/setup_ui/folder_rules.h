// The install folder's rules: the folder proposed, the location it must lie in, the product
// folder appended after browsing, and the free-space question.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "install/install_paths.h"
#include "package/setup_config.h"

namespace sk {

// What the registry recorded of an earlier installation.
struct PreviousInstall {
  std::optional<std::string> installPath;  // "InstallPath", when it could be read
  std::string version;                     // "Version", empty when it could not be read
};

// Versions compare as numbers, the way atof reads them: "1.0" equals "1.00".
bool SameVersion(std::string_view a, std::string_view b);

// The earlier folder when its version matches and it still exists (folderExists tells), else
// the default: the macro folder, the product folder (or the product name) and a backslash.
std::string ProposedFolder(const PreviousInstall& previous, bool folderExists, const SetupConfig& config,
                           const PlatformFolders& platform);
std::string DefaultInstallFolder(const SetupConfig& config, const PlatformFolders& platform);

// The product folder name with its backslash: the folder page's slot 5, or the product name.
std::string ProductFolderName(const SetupConfig& config);

// After browsing: the chosen folder with a backslash, and the product folder appended unless it
// already ends with it (letter case aside).
std::string WithProductFolder(std::string chosen, const SetupConfig& config);

// The folder the install folder is created in: the folder without its final backslash, cut
// before its last one. D:\Demo\ gives D:, D:\ gives the empty text.
std::string InstallLocation(std::string folder);

enum class TargetVerdict { Accepted, InvalidDrive, FloppyDrive, CdDrive, InvalidFolder };

// Drive types as the platform numbers them.
inline constexpr int kDriveNoRootDir = 1;
inline constexpr int kDriveRemovable = 2;
inline constexpr int kDriveCdRom = 5;

// location: as InstallLocation gives it. driveType is asked for two-character locations only,
// exists for longer ones. Read-only CD drives are refused; network drives are accepted.
TargetVerdict CheckInstallTargetRule(std::string location, int driveType, bool exists);
// The refusal's message, GBK; empty for Accepted.
std::string TargetVerdictText(TargetVerdict verdict, bool english);

// "The setup need space 2.5 MB,but left only 1.0 MB." or its Chinese form.
std::string DiskSpaceQuestion(double requiredMb, double freeMb, bool english);

}  // namespace sk
