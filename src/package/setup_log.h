// setup.log: the record of one installation, written by setup at Finish and read by unwise.
//
// Four sections in this order, each a header line and its lines; the first three end with a
// blank line, the last with the end of the file:
//   [FILELIST]      installed path of every logged file
//   [TYPELIST]      extension of file type 1, then 2, when configured
//   [RIGHTCLICK]    FILE\name of the all-files entry, FOLDER\name of the folder entry
//   [SHORTCUTLIST]  full path of every shortcut the finish action tried to create
// Every line ends in CR CR LF: the writer's text-mode stream turns the CR LF it writes into
// CR CR LF, and the reader drops one character more than its LF handling does. The reader
// never compares the headers; it relies on their order and on the blank lines.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace sk {

inline constexpr std::string_view kSetupLogName = "setup.log";
inline constexpr std::string_view kFileListHeader = "[FILELIST]";
inline constexpr std::string_view kTypeListHeader = "[TYPELIST]";
inline constexpr std::string_view kRightClickHeader = "[RIGHTCLICK]";
inline constexpr std::string_view kShortcutListHeader = "[SHORTCUTLIST]";
inline constexpr std::string_view kFileMenuPrefix = "FILE\\";
inline constexpr std::string_view kFolderMenuPrefix = "FOLDER\\";
inline constexpr std::size_t kMaxExtensionBytes = 3;

// The bytes of one written line, as the text-mode stream puts them on disk.
std::string SetupLogLine(std::string_view text);

// What the first three sections hold; the shortcut section follows as shortcuts are created.
struct SetupLogHead {
  std::vector<std::string> files;
  std::vector<std::string> extensions;  // empty ones are left out
  std::string fileMenuName;             // empty: none
  std::string folderMenuName;           // empty: none
};

// The three sections and the shortcut section's header.
std::string SetupLogHeadBytes(const SetupLogHead& head);

// Reads a log's bytes line by line.
class SetupLogReader {
 public:
  explicit SetupLogReader(std::string bytes) : bytes_(std::move(bytes)) {}
  // One line without its end; the empty text at the end of the file.
  std::string ReadLogLine();
  void Rewind() { pos_ = 0; }
  // A section after its header: the lines up to the next empty one (or the end).
  std::vector<std::string> ReadSection();

 private:
  std::string bytes_;
  std::size_t pos_ = 0;
};

struct RightClickEntry {
  bool allFiles;     // kind "FILE" in any letter case; anything else is a folder entry
  std::string name;  // the key name below shell
};

// Splits at the first backslash; a line without one is a folder entry named by the whole line.
RightClickEntry ParseRightClickLine(std::string_view line);

struct SetupLogContent {
  std::vector<std::string> files;
  std::vector<std::string> extensions;
  std::vector<RightClickEntry> rightClicks;
  std::vector<std::string> shortcuts;
};

// The section walk. Type lines longer than three bytes cannot come from setup and are left
// out: cut to three, they would name another program's file type.
SetupLogContent ReadSetupLog(std::string bytes);

}  // namespace sk
