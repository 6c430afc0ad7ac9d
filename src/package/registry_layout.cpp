#include "registry_layout.h"

namespace sk {

std::optional<RegRoot> ParseRootName(std::string_view name) {
  constexpr std::pair<std::string_view, RegRoot> kRoots[] = {
      {"HKEY_CLASSES_ROOT", RegRoot::ClassesRoot}, {"HKEY_CURRENT_USER", RegRoot::CurrentUser},
      {"HKEY_LOCAL_MACHINE", RegRoot::LocalMachine}, {"HKEY_USERS", RegRoot::Users},
      {"HKEY_CURRENT_CONFIG", RegRoot::CurrentConfig}};
  for (const auto& [text, root] : kRoots)
    if (text == name) return root;
  return std::nullopt;
}

FileTypeKeys FileTypeKeysFor(std::string_view extension) {
  const std::string file = std::string(extension) + "file";
  return {"." + std::string(extension), file, file + "\\DefaultIcon", file + "\\shell",
          file + "\\shell\\open", file + "\\shell\\open\\command"};
}

MenuEntryKeys MenuEntryKeysFor(bool allFiles, std::string_view name) {
  const std::string shell = allFiles ? "*\\shell" : "folder\\shell";
  const std::string entry = shell + "\\" + std::string(name);
  return {shell, entry, entry + "\\command"};
}

std::optional<std::string> UninstallEntryKey(std::string_view productKey) {
  if (productKey.empty()) return std::nullopt;
  return std::string(kUninstallList) + "\\" + std::string(productKey);
}

std::optional<std::string> ApplicationKey(std::string_view productKey) {
  if (productKey.empty()) return std::nullopt;
  return "Software\\" + std::string(productKey);
}

}  // namespace sk
