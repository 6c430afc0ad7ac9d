#include "install/registration_plan.h"

#include <algorithm>

namespace sk {
namespace {

std::string Quoted(std::string_view path) { return "\"" + std::string(path) + "\""; }

}  // namespace

RegistrationPlan FileTypeRegistration(std::string_view extension, std::string_view program, int iconIndex) {
  const FileTypeKeys k = FileTypeKeysFor(extension);
  const std::string path(program);
  RegistrationPlan plan;
  for (const auto& key : k.CreationOrder()) plan.push_back({RegRoot::ClassesRoot, key, {}});
  plan[0].values = {{"", k.file}};
  plan[2].values = {{"", path + "," + std::to_string(iconIndex)}};
  plan[5].values = {{"", Quoted(path) + " \"%1\""}};
  return plan;
}

RegistrationPlan MenuEntryRegistration(bool allFiles, std::string_view program, std::string_view name) {
  const MenuEntryKeys k = MenuEntryKeysFor(allFiles, name);
  return {{RegRoot::ClassesRoot, k.shell, {}},
          {RegRoot::ClassesRoot, k.entry, {}},
          {RegRoot::ClassesRoot, k.command, {{"", Quoted(program)}}}};
}

RegistrationPlan UninstallRegistration(const UninstallEntryValues& v) {
  const auto key = UninstallEntryKey(v.productKey);
  if (!key || v.displayName.empty()) return {};
  const auto kib = static_cast<std::uint32_t>(std::min<std::uint64_t>((v.installedBytes + 1023) / 1024, UINT32_MAX));
  return {{RegRoot::LocalMachine, *key,
           {{"DisplayName", v.displayName},
            {"UninstallString", Quoted(v.uninstallerPath)},
            {"DisplayVersion", v.version},
            {"DisplayIcon", v.uninstallerPath},
            {"InstallLocation", v.installFolder},
            {"EstimatedSize", {}, kib},
            {"NoModify", {}, 1u},
            {"NoRepair", {}, 1u}}}};
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
