// The registry entries setup creates and unwise removes: one description for both.
//
//   HKEY_CLASSES_ROOT\.ext                          (default) = extfile
//   HKEY_CLASSES_ROOT\extfile\DefaultIcon           (default) = program,icon
//   HKEY_CLASSES_ROOT\extfile\shell\open\command    (default) = program %1
//   HKEY_CLASSES_ROOT\*\shell\<name>\command        (default) = program      (all files)
//   HKEY_CLASSES_ROOT\folder\shell\<name>\command   (default) = program      (folders)
//   HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\<product key>
//       DisplayName, UninstallString
//   HKEY_CURRENT_USER\Software\<product key>
//       RecentDate, InstallPath, Version, SourcePath
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sk {

enum class RegRoot { ClassesRoot, CurrentUser, LocalMachine, Users, CurrentConfig };

// Root names as packages write them, compared exactly.
std::optional<RegRoot> ParseRootName(std::string_view name);

// The keys of a file type, parents first: .ext, extfile, DefaultIcon, shell, open, command.
struct FileTypeKeys {
  std::string dotExtension, file, defaultIcon, shell, open, command;
  std::vector<std::string> CreationOrder() const { return {dotExtension, file, defaultIcon, shell, open, command}; }
  // Children before their parents, so that each plain key deletion can succeed.
  std::vector<std::string> DeletionOrder() const { return {dotExtension, defaultIcon, command, open, shell, file}; }
};
FileTypeKeys FileTypeKeysFor(std::string_view extension);

// A right-click entry: its shell key (for all files or for folders), the entry and its command.
struct MenuEntryKeys {
  std::string shell, entry, command;
  std::vector<std::string> DeletionOrder() const { return {command, entry}; }
};
MenuEntryKeys MenuEntryKeysFor(bool allFiles, std::string_view name);

inline constexpr std::string_view kUninstallList = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

// Nothing for an empty product key: the key would be the uninstall list or Software itself.
std::optional<std::string> UninstallEntryKey(std::string_view productKey);
std::optional<std::string> ApplicationKey(std::string_view productKey);

}  // namespace sk
