#include "install/registration_plan.h"

namespace sk {

RegistrationPlan FileTypeRegistration(std::string_view extension, std::string_view program, int iconIndex) {
  const FileTypeKeys k = FileTypeKeysFor(extension);
  const std::string path(program);
  RegistrationPlan plan;
  for (const auto& key : k.CreationOrder()) plan.push_back({RegRoot::ClassesRoot, key, {}});
  plan[0].values = {{"", k.file}};
  plan[2].values = {{"", path + "," + std::to_string(iconIndex)}};
  plan[5].values = {{"", path + " %1"}};
  return plan;
}

RegistrationPlan MenuEntryRegistration(bool allFiles, std::string_view program, std::string_view name) {
  const MenuEntryKeys k = MenuEntryKeysFor(allFiles, name);
  return {{RegRoot::ClassesRoot, k.shell, {}},
          {RegRoot::ClassesRoot, k.entry, {}},
          {RegRoot::ClassesRoot, k.command, {{"", std::string(program)}}}};
}

RegistrationPlan UninstallRegistration(std::string_view productKey, std::string_view displayName,
                                       std::string_view uninstallerPath) {
  const auto key = UninstallEntryKey(productKey);
  if (!key || displayName.empty()) return {};
  return {{RegRoot::LocalMachine, *key,
           {{"DisplayName", std::string(displayName)}, {"UninstallString", std::string(uninstallerPath)}}}};
}

RegistrationPlan ApplicationKeyRegistration(const ApplicationKeyValues& v) {
  const auto key = ApplicationKey(v.productKey);
  if (!key) return {};
  RegKeyWrite write{RegRoot::CurrentUser, *key, {}};
  if (!v.releaseDate.empty()) write.values.push_back({"RecentDate", v.releaseDate});
  write.values.push_back({"InstallPath", v.installFolder});
  write.values.push_back({"Version", v.version});
  write.values.push_back({"SourcePath", v.setupFolder});
  return {write};
}

}  // namespace sk
