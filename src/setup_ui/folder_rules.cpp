#include "setup_ui/folder_rules.h"

#include <cstdlib>

#include "package/gbk.h"
#include "package/number_text.h"

namespace sk {
namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Whether the last folder of text (which ends in a backslash) is the one named by folder (a
// name and a backslash). Letter case is ignored in single-byte characters only: a trail byte of
// a double-byte character may look like a letter or a backslash.
bool EndsWithFolderName(std::string_view text, std::string_view folder) {
  if (folder.size() > text.size()) return false;
  const std::size_t start = text.size() - folder.size();
  std::size_t i = 0, previous = std::string_view::npos;
  while (i < start) {
    previous = i;
    i += IsLeadByte(text[i]) ? 2 : 1;
  }
  if (i != start) return false;  // the name would begin inside a character
  if (previous != std::string_view::npos && text.substr(previous, i - previous) != "\\") return false;
  for (std::size_t k = 0; k < folder.size();) {
    if (IsLeadByte(folder[k]) && k + 1 < folder.size()) {
      if (text.substr(start + k, 2) != folder.substr(k, 2)) return false;
      k += 2;
    } else {
      if (Lower(text[start + k]) != Lower(folder[k])) return false;
      ++k;
    }
  }
  return true;
}

}  // namespace

bool SameVersion(std::string_view a, std::string_view b) {
  return std::atof(std::string(a).c_str()) == std::atof(std::string(b).c_str());
}

std::string ProductFolderName(const SetupConfig& config) {
  const std::string& slot = config.pageTexts[kFolderPage][5];
  return (slot.empty() ? config.productName : slot) + "\\";
}

std::string DefaultInstallFolder(const SetupConfig& config, const PlatformFolders& platform) {
  return ResolveFolderMacro(config.pageTexts[kFolderPage][6], platform) + ProductFolderName(config);
}

std::string PreviousFolder(const PreviousInstall& previous, std::string_view packageVersion, const ExistsProbe& exists) {
  if (!previous.installPath || previous.installPath->empty()) return {};
  if (!SameVersion(previous.version, packageVersion)) return {};
  return exists(*previous.installPath) ? *previous.installPath : std::string();
}

std::string WithProductFolder(std::string chosen, const SetupConfig& config) {
  chosen = WithBackslash(std::move(chosen));
  const std::string sub = ProductFolderName(config);
  if (!EndsWithFolderName(chosen, sub)) chosen += sub;
  return chosen;
}

std::string InstallLocation(std::string folder) {
  folder = WithoutBackslash(WithBackslash(std::move(folder)));
  const std::size_t last = FindLastBackslash(folder);
  return last == std::string::npos ? std::string() : folder.substr(0, last);
}

TargetVerdict CheckInstallTargetRule(std::string location, const TargetProbe& probe) {
  location = WithoutBackslash(std::move(location));
  if (location.empty()) return TargetVerdict::InvalidDrive;
  if (location.size() == 2) {
    const int driveType = probe.driveType(location);
    const char drive = Lower(location[0]);
    if (driveType == kDriveNoRootDir) return drive == 'a' || drive == 'b' ? TargetVerdict::FloppyDrive : TargetVerdict::InvalidDrive;
    if (driveType == kDriveRemovable) return TargetVerdict::FloppyDrive;
    if (driveType == kDriveCdRom) return TargetVerdict::CdDrive;
    return TargetVerdict::Accepted;
  }
  return probe.exists(location) ? TargetVerdict::Accepted : TargetVerdict::InvalidFolder;
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
  // 安装需要%.1fMB空间,但是剩余空间只有%.1f MB.
  if (english) return "The setup need space " + OneDecimal(requiredMb) + " MB,but left only " + OneDecimal(freeMb) + " MB.";
  return "\xb0\xb2\xd7\xb0\xd0\xe8\xd2\xaa" + OneDecimal(requiredMb) +
         "MB\xbf\xd5\xbc\xe4,\xb5\xab\xca\xc7\xca\xa3\xd3\xe0\xbf\xd5\xbc\xe4\xd6\xbb\xd3\xd0" + OneDecimal(freeMb) + " MB.";
}

SpaceAnswer DecideSpaceAnswer(int answer, int stopAnswer) {
  if (answer == kIgnoreAnswer) return SpaceAnswer::GoOn;
  if (answer == stopAnswer) return SpaceAnswer::GiveUp;
  return SpaceAnswer::MeasureAgain;
}

bool AskUntilRoom(double requiredMb, int stopAnswer, const MeasureFree& measure, const AskAboutSpace& ask) {
  int free = 0;
  if (!measure(free)) return true;
  while (free < requiredMb) {
    switch (DecideSpaceAnswer(ask(requiredMb, free), stopAnswer)) {
      case SpaceAnswer::GoOn: return true;
      case SpaceAnswer::GiveUp: return false;
      case SpaceAnswer::MeasureAgain: measure(free); break;
    }
  }
  return true;
}

BrowseActions DecideBrowseActions(BrowseEvent event, bool chinese, bool hasTitle) {
  BrowseActions actions;
  // The platform labels its buttons in the system's language; an English package wants English.
  actions.englishButtons = !chinese;
  actions.setTitle = event == BrowseEvent::Initialized && hasTitle;
  // Any item may be confirmed, even one without a file-system path: Browse then reports that
  // nothing was chosen.
  actions.enableOk = event == BrowseEvent::SelectionChanged;
  return actions;
}

}  // namespace sk
