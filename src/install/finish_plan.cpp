#include "install/finish_plan.h"

#include "package/gbk.h"

namespace sk {
namespace {

bool AnyFlag(const SetupConfig& config, std::int32_t flag) {
  for (const auto& e : config.files)
    if (e.shortcutFlags & flag) return true;
  return false;
}

const std::string& FolderOf(const ShortcutFolders& folders, ShortcutKind kind) {
  switch (kind) {
    case ShortcutKind::QuickLaunch: return folders.quickLaunch;
    case ShortcutKind::Desktop: return folders.desktop;
    case ShortcutKind::StartMenu: return folders.startMenu;
    case ShortcutKind::ProgramGroup: return folders.programs;
  }
  return folders.programs;
}

bool Applies(const FileEntry& e, ShortcutKind kind, const FinishChoices& c) {
  switch (kind) {
    case ShortcutKind::QuickLaunch: return e.quickLaunch;
    case ShortcutKind::Desktop: return c.desktop && (e.shortcutFlags & kDesktopShortcut);
    case ShortcutKind::StartMenu: return c.startMenu && (e.shortcutFlags & kStartMenuShortcut);
    case ShortcutKind::ProgramGroup: return c.programGroup && (e.shortcutFlags & kProgramGroupShortcut);
  }
  return false;
}

}  // namespace

FinishPageLayout LayOutFinishPage(const SetupConfig& c) {
  FinishPageLayout l;
  l.desktopEnabled = AnyFlag(c, kDesktopShortcut);
  l.startMenuEnabled = AnyFlag(c, kStartMenuShortcut);
  l.programGroupEnabled = AnyFlag(c, kProgramGroupShortcut);
  l.readmeShown = !c.readme.empty();
  l.runShown = !c.runProgram.empty();
  l.textsOnly = !l.desktopEnabled && !l.startMenuEnabled && !l.programGroupEnabled && !l.readmeShown && !l.runShown;
  return l;
}

std::string ShortcutName(const FileEntry& entry) {
  if (!entry.shortcutName.empty()) return entry.shortcutName;
  const std::size_t dot = entry.name.find('.');
  return dot == std::string::npos ? std::string() : entry.name.substr(0, dot);
}

std::string ShortcutPath(const FileEntry& entry, ShortcutKind kind, const ShortcutFolders& folders,
                         const std::string& groupName) {
  const std::string file = ShortcutName(entry) + ".lnk";
  switch (kind) {
    case ShortcutKind::QuickLaunch: return folders.quickLaunch + file;
    case ShortcutKind::Desktop: return folders.desktop + file;
    case ShortcutKind::StartMenu: return folders.startMenu + file;
    case ShortcutKind::ProgramGroup: {
      std::string path = WithBackslash(folders.programs) + groupName + "\\";
      if (!entry.groupSubFolder.empty()) path += entry.groupSubFolder + "\\";
      return path + file;
    }
  }
  return file;
}

FinishPlan PlanFinish(const SetupConfig& config, const FinishChoices& choices, const BaseFolders& folders,
                      const ShortcutFolders& shortcutFolders) {
  FinishPlan plan;
  std::vector<const FileEntry*> files;
  for (const auto& e : config.files) files.push_back(&e);
  if (!config.postInstallProgram.empty()) {
    plan.postInstallPath = ResolveFolderPath(config.postInstallProgram, folders);
    if (config.postInstallTemporary) {
      for (std::size_t i = 0; i < files.size(); ++i) {
        if (InstalledPath(*files[i], folders) == plan.postInstallPath) {
          plan.removedEntry = i;
          files.erase(files.begin() + static_cast<std::ptrdiff_t>(i));
          break;
        }
      }
    }
  }

  for (const FileEntry* e : files)
    if (e->logged) plan.logHead.files.push_back(InstalledPath(*e, folders));
  for (const auto& type : config.fileTypes) plan.logHead.extensions.push_back(type.extension);
  plan.logHead.fileMenuName = config.fileMenuName;
  plan.logHead.folderMenuName = config.folderMenuName;

  const std::string& group = config.productName;
  const std::string groupFolder = WithBackslash(shortcutFolders.programs) + group;
  bool uninstallerShortcutPending = true;
  for (const FileEntry* e : files) {
    for (ShortcutKind kind : {ShortcutKind::QuickLaunch, ShortcutKind::Desktop, ShortcutKind::StartMenu,
                              ShortcutKind::ProgramGroup}) {
      // An unknown folder would put the link into whatever the current directory is.
      if (!Applies(*e, kind, choices) || FolderOf(shortcutFolders, kind).empty()) continue;
      if (kind == ShortcutKind::ProgramGroup && uninstallerShortcutPending) {
        uninstallerShortcutPending = false;
        plan.steps.push_back({FinishStep::CreateGroupFolder, groupFolder, {}, {}});
        if (!config.noUninstaller) {
          // 卸载 and Unwise: both end in one blank.
          const std::string prefix = IsEnglish(config) ? "Unwise " : "\xd0\xb6\xd4\xd8 ";
          plan.steps.push_back({FinishStep::UninstallerShortcut, groupFolder + "\\" + prefix + config.productName + ".lnk",
                                folders.install + "\\unwise.exe", {}});
        }
      }
      plan.steps.push_back({FinishStep::EntryShortcut, ShortcutPath(*e, kind, shortcutFolders, group),
                            InstalledPath(*e, folders), e->shortcutDescription});
    }
  }
  if (choices.readme && !config.readme.empty()) plan.readme = ResolveFolderPath(config.readme, folders);
  if (choices.run && !config.runProgram.empty()) plan.program = ResolveFolderPath(config.runProgram, folders);
  if (config.postInstallProgram.empty() && !config.postInstallParameters.empty())
    plan.document = config.postInstallParameters;
  return plan;
}

}  // namespace sk
