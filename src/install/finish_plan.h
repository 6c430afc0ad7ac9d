// The finish page's decisions: which choices it offers, and everything its Finish button does,
// in order, as data. The page's Win32 side carries the steps out.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "install/install_paths.h"
#include "package/setup_config.h"
#include "package/setup_log.h"

namespace sk {

// The finish page's five check boxes.
struct FinishChoices {
  bool desktop = false;
  bool startMenu = false;
  bool programGroup = true;
  bool readme = false;
  bool run = false;
};

struct FinishPageLayout {
  bool desktopEnabled, startMenuEnabled, programGroupEnabled;
  bool readmeShown, runShown;
  // No choice at all: every box hidden and the three texts moved into the first three boxes.
  bool textsOnly;
};
FinishPageLayout LayOutFinishPage(const SetupConfig& config);

// The shell folders shortcuts go to, each ending in a backslash; empty when the platform does
// not know it, and then that kind of shortcut is not made.
struct ShortcutFolders {
  std::string quickLaunch, desktop, startMenu, programs;
};

enum class ShortcutKind { QuickLaunch, Desktop, StartMenu, ProgramGroup };

// The entry's shortcut name: its own, or its file name cut before the first dot.
std::string ShortcutName(const FileEntry& entry);
std::string ShortcutPath(const FileEntry& entry, ShortcutKind kind, const ShortcutFolders& folders,
                         const std::string& groupName);

struct FinishStep {
  enum Kind {
    CreateGroupFolder,    // path: Programs + group name, one level
    UninstallerShortcut,  // not logged
    EntryShortcut,        // folders made along path, then the link, then the log line
  } kind;
  std::string path;
  std::string target;
  std::string description;
};

struct FinishPlan {
  std::string postInstallPath;          // resolved; empty when none is configured
  std::optional<std::size_t> removedEntry;  // the temporary post-install program's entry
  SetupLogHead logHead;
  std::vector<FinishStep> steps;
  std::optional<std::string> readme;    // resolved paths to open
  std::optional<std::string> program;
  // Without a post-install program its parameters are opened on their own, relative to the
  // install folder.
  std::optional<std::string> document;
};

// The temporary post-install program's entry (the first whose destination is that program)
// is left out of the log and gets no shortcuts.
FinishPlan PlanFinish(const SetupConfig& config, const FinishChoices& choices, const BaseFolders& folders,
                      const ShortcutFolders& shortcutFolders);

}  // namespace sk
