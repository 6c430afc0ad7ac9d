// The setup configuration: everything that makes one package different from another.
// Its token layout is described once, in setup_layout.h; reader, writer, validator and the
// authoring tool's inspector are all driven from that description.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "token_list.h"

namespace sk {

// Destination folder of a file entry. Any keyword but the five below means the install folder.
enum FolderKind : std::int32_t {
  INSTALL_FOLDER = 8,
  SYSTEM_FOLDER = 16,
  WINDOWS_FOLDER = 32,
  TEMP_FOLDER = 64,
  USER_FOLDER = 128,
  SYSDRIVER_FOLDER = 256,
};

// Overwrite policy of a file entry. Any keyword but the two below means always.
enum CopyMode : std::int32_t {
  ALWAYS_COPY = 512,
  NOTEXIST_COPY = 1024,
  ASK_COPY = 2048,
};

// Shortcut flag bits of a file entry.
inline constexpr std::int32_t kDesktopShortcut = 1;
inline constexpr std::int32_t kStartMenuShortcut = 2;
inline constexpr std::int32_t kProgramGroupShortcut = 4;

enum PageIndex { kWelcomePage, kAgreementPage, kFolderPage, kCopyingPage, kFinishPage, kPageCount };
inline constexpr int kPageSlots = 12;
inline constexpr int kUiTextCount = 19;
inline constexpr int kDiskCount = 7;

// Twelve texts per wizard page. The agreement page's slot 2 stays empty: the agreement text
// lives in SetupConfig::agreementText.
using PageTexts = std::array<std::array<std::string, kPageSlots>, kPageCount>;
// The nineteen interface texts; index 0 is the language ("TRUE" selects Chinese).
using UiTexts = std::array<std::string, kUiTextCount>;

// A block of the package: absolute offset and length in bytes; length <= 0 means absent.
struct BlockRef {
  std::int32_t length = 0;
  std::int32_t offset = 0;
  bool present() const { return length > 0; }
};

struct FileTypeRecord {
  std::string program;    // keyword-prefixed path of the program that opens the type
  std::string extension;  // without the dot, at most 3 bytes; empty: no file type
  std::int32_t iconIndex = 0;
};

struct DiskRecord {
  std::string volumeName;  // volume file name of the disk
  std::string prompt;      // label above the folder field of the insert-disk dialog
};

struct FileEntry {
  std::string name;
  std::int32_t shortcutFlags = 0;
  std::int32_t folderKind = INSTALL_FOLDER;
  std::string subFolder;
  std::int32_t copyMode = ALWAYS_COPY;
  bool compressed = false;
  std::int32_t size = 0;
  std::int32_t offset = 0;
  std::string shortcutName;
  std::string shortcutDescription;
  std::string groupSubFolder;
  bool logged = false;
  bool quickLaunch = false;
  std::string date;
  std::int32_t disk = 0;
};

using FileList = std::vector<FileEntry>;

struct SetupConfig {
  PageTexts pageTexts;
  std::string agreementText;

  // General
  std::string productName;
  std::string readme;
  std::string runProgram;
  BlockRef sidePicture;
  bool sideIsFlash = false;
  BlockRef icon;
  std::array<FileTypeRecord, 2> fileTypes;
  std::int32_t requiredBytes = 0;

  // Background window and start-up splash
  bool backgroundEnabled = false;
  BlockRef backgroundPicture;
  std::string backgroundTitle;
  std::int32_t backgroundColor = 0;
  bool backgroundTitleBar = false;
  std::string headline;
  std::string headlineFont;
  std::int32_t headlineColor = 0;
  std::int32_t backgroundFill = 0;
  BlockRef splashPicture;
  std::string preparingCaption;
  std::string preparingMessage;
  std::int32_t splashMillis = 0;
  std::string preparingFont;

  // Registry, right-click entries and uninstall instructions
  std::array<std::string, 2> removeKeys;    // ROOT|key
  std::array<std::string, 2> removeValues;  // ROOT|key|value
  std::string productKey;
  std::string releaseDate;
  std::string version;
  std::string fileMenuName;
  std::string fileMenuProgram;
  std::string folderMenuName;
  std::string folderMenuProgram;

  UiTexts uiTexts;

  std::string requiredMegabytes;  // decimal text, may have a fraction; empty: requiredBytes
  std::string musicExtension;     // empty: no music
  BlockRef music;
  bool noUninstaller = false;
  std::string postInstallProgram;
  std::string postInstallParameters;
  bool postInstallTemporary = false;
  BlockRef animation;
  std::string uninstallDisplayName;  // empty: no uninstall entry

  std::array<DiskRecord, kDiskCount> disks;  // disks 1 to 7

  FileList files;
};

// Chinese texts only for exactly "TRUE"; anything else means English.
inline bool IsEnglish(const SetupConfig& c) { return c.uiTexts[0] != "TRUE"; }

// Required disk space in megabytes: the decimal text when given, else whole megabytes of
// requiredBytes.
double RequiredMegabytes(const SetupConfig& c);



// Reads the whole configuration, file list included, from a token list positioned at token 1.
SetupConfig ReadSetupConfig(CTokenList& tokens);
// The token list of a configuration: tokens 1 to 352, one group per file, an empty name.
CTokenList WriteSetupConfig(const SetupConfig& config);

}  // namespace sk
