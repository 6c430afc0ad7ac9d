#include "setup_ui/folder_rules.h"

#include <cstdio>
#include <cstdlib>

#include "package/gbk.h"

namespace sk {
namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix) {
  if (suffix.size() > text.size()) return false;
  text.remove_prefix(text.size() - suffix.size());
  for (std::size_t i = 0; i < suffix.size(); ++i)
    if (Lower(text[i]) != Lower(suffix[i])) return false;
  return true;
}

}  // namespace

bool SameVersion(std::string_view a, std::string_view b) {
  return std::strtod(std::string(a).c_str(), nullptr) == std::strtod(std::string(b).c_str(), nullptr);
}

std::string ProductFolderName(const SetupConfig& config) {
  const std::string& slot = config.pageTexts[kFolderPage][5];
  return (slot.empty() ? config.productName : slot) + "\\";
}

std::string DefaultInstallFolder(const SetupConfig& config, const PlatformFolders& platform) {
  return ResolveFolderMacro(config.pageTexts[kFolderPage][6], platform) + ProductFolderName(config);
}

std::string ProposedFolder(const PreviousInstall& previous, bool folderExists, const SetupConfig& config,
                           const PlatformFolders& platform) {
  if (previous.installPath && !previous.installPath->empty() && SameVersion(previous.version, config.version) &&
      folderExists)
    return *previous.installPath;
  return DefaultInstallFolder(config, platform);
}

std::string WithProductFolder(std::string chosen, const SetupConfig& config) {
  chosen = WithBackslash(std::move(chosen));
  const std::string sub = ProductFolderName(config);
  if (!EndsWithIgnoringCase(chosen, sub)) chosen += sub;
  return chosen;
}

std::string InstallLocation(std::string folder) {
  folder = WithoutBackslash(WithBackslash(std::move(folder)));
  const std::size_t last = FindLastBackslash(folder);
  return last == std::string::npos ? std::string() : folder.substr(0, last);
}

TargetVerdict CheckInstallTargetRule(std::string location, int driveType, bool exists) {
  location = WithoutBackslash(std::move(location));
  if (location.empty()) return TargetVerdict::InvalidDrive;
  if (location.size() == 2) {
    const char drive = Lower(location[0]);
    if (driveType == kDriveNoRootDir) return drive == 'a' || drive == 'b' ? TargetVerdict::FloppyDrive : TargetVerdict::InvalidDrive;
    if (driveType == kDriveRemovable) return TargetVerdict::FloppyDrive;
    if (driveType == kDriveCdRom) return TargetVerdict::CdDrive;
    return TargetVerdict::Accepted;
  }
  return exists ? TargetVerdict::Accepted : TargetVerdict::InvalidFolder;
}

std::string TargetVerdictText(TargetVerdict verdict, bool english) {
  switch (verdict) {
    case TargetVerdict::Accepted: return {};
    case TargetVerdict::InvalidDrive: return english ? "Invalid driver!" : "\xce\xde\xd0\xa7\xb5\xc4\xc7\xfd\xb6\xaf\xc6\xf7!";  // 无效的驱动器!
    case TargetVerdict::FloppyDrive: return english ? "Floppy driver!" : "\xc8\xed\xc5\xcc\xc7\xfd\xb6\xaf\xc6\xf7!";  // 软盘驱动器!
    case TargetVerdict::CdDrive: return english ? "Netword driver!" : "\xcd\xf8\xc2\xe7\xc7\xfd\xb6\xaf\xc6\xf7!";  // 网络驱动器!
    case TargetVerdict::InvalidFolder: return english ? "Invalid folder!" : "\xce\xde\xd0\xa7\xb5\xc4\xce\xc4\xbc\xfe\xbc\xd0!";  // 无效的文件夹!
  }
  return {};
}

std::string DiskSpaceQuestion(double requiredMb, double freeMb, bool english) {
  char text[160];
  // 安装需要%.1fMB空间,但是剩余空间只有%.1f MB.
  std::snprintf(text, sizeof text,
                english ? "The setup need space %.1f MB,but left only %.1f MB."
                        : "\xb0\xb2\xd7\xb0\xd0\xe8\xd2\xaa%.1fMB\xbf\xd5\xbc\xe4,\xb5\xab\xca\xc7\xca\xa3\xd3\xe0\xbf\xd5\xbc\xe4\xd6\xbb\xd3\xd0%.1f MB.",
                requiredMb, freeMb);
  return text;
}

}  // namespace sk
