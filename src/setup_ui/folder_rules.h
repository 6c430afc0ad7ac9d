// The install folder's rules: the folder proposed, the location it must lie in, the product
// folder appended after browsing, the folder browser's relabelling, and the free-space question.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "install/install_paths.h"
#include "package/setup_config.h"

namespace sk {

// Asks the machine whether a file or folder exists.
using ExistsProbe = std::function<bool(const std::string& path)>;

// What the registry recorded of an earlier installation.
struct PreviousInstall {
  std::optional<std::string> installPath;  // "InstallPath", when it could be read
  std::string version;                     // "Version", empty when it could not be read
};

// Versions compare as numbers, the way atof reads them: "1.0" equals "1.00".
bool SameVersion(std::string_view a, std::string_view b);

// The earlier folder when its recorded version matches the package's and it still exists,
// else the empty text. exists is asked only about a folder that passed the version test.
std::string PreviousFolder(const PreviousInstall& previous, std::string_view packageVersion, const ExistsProbe& exists);
// The macro folder, the product folder (or the product name) and a backslash.
std::string DefaultInstallFolder(const SetupConfig& config, const PlatformFolders& platform);

// The product folder name with its backslash: the folder page's slot 5, or the product name.
std::string ProductFolderName(const SetupConfig& config);

// After browsing: the chosen folder with a backslash, and the product folder appended unless
// the chosen folder's last folder already is it (letter case aside): D:\Tools\DEMO stays,
// D:\Tools\MyDemo gains Demo\.
std::string WithProductFolder(std::string chosen, const SetupConfig& config);

// The folder the install folder is created in: the folder without its final backslash, cut
// before its last one. D:\Demo\ gives D:, D:\ gives the empty text.
std::string InstallLocation(std::string folder);

enum class TargetVerdict { Accepted, InvalidDrive, FloppyDrive, CdDrive, InvalidFolder };

// Drive types as the platform numbers them.
inline constexpr int kDriveNoRootDir = 1;
inline constexpr int kDriveRemovable = 2;
inline constexpr int kDriveCdRom = 5;

// What CheckInstallTargetRule asks the machine: the drive type of a two-character drive text
// such as D:, and whether a longer location exists. Each is asked only where the rule needs it,
// so that an empty floppy drive is never touched.
struct TargetProbe {
  std::function<int(const std::string& drive)> driveType;
  ExistsProbe exists;
};

// location: as InstallLocation gives it (a trailing backslash is dropped first). CD drives,
// which cannot be written, are refused; network drives are accepted.
TargetVerdict CheckInstallTargetRule(std::string location, const TargetProbe& probe);
// The refusal's message, GBK; empty for Accepted.
std::string TargetVerdictText(TargetVerdict verdict, bool english);

// "The setup need space 2.5 MB,but left only 1.0 MB." or its Chinese form.
std::string DiskSpaceQuestion(double requiredMb, double freeMb, bool english);

// What an answer to the free-space question does: the third button (Ignore) goes on without
// the space, stopAnswer gives up (Abort before the wizard, Select on the folder page), and any
// other answer (Retry, Escape, the close box) measures again.
enum class SpaceAnswer { MeasureAgain, GoOn, GiveUp };
inline constexpr int kIgnoreAnswer = 3;
SpaceAnswer DecideSpaceAnswer(int answer, int stopAnswer);

// Whole free megabytes of the volume into its argument; false when it cannot be measured.
using MeasureFree = std::function<bool(int& freeMb)>;
// Shows the free-space question with the required and the free megabytes; the answer.
using AskAboutSpace = std::function<int(double requiredMb, int freeMb)>;
// Asks while the volume has less than requiredMb, measuring again after every answer that
// does not decide; false when the user gave up. A volume that cannot be measured at all counts
// as roomy: asking would only show a number nobody measured. A later measurement that fails
// keeps the last one.
bool AskUntilRoom(double requiredMb, int stopAnswer, const MeasureFree& measure, const AskAboutSpace& ask);

// What the folder browser's callback does with one message of the selection dialog.
enum class BrowseEvent { Initialized, SelectionChanged, Other };
struct BrowseActions {
  bool englishButtons = false;  // OK and Cancel relabelled "OK" and "Cancel"
  bool setTitle = false;        // the dialog's window text becomes the browser's title
  bool enableOk = false;        // OK enabled, whatever item is selected
};
BrowseActions DecideBrowseActions(BrowseEvent event, bool chinese, bool hasTitle);

}  // namespace sk
