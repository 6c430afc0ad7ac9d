// What setup writes into the registry, as data: the Win32 layer creates each key in order and
// sets its values as REG_SZ, the byte count being the text's length without a terminating zero.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "package/registry_layout.h"

namespace sk {

struct RegValue {
  std::string name;  // empty: the key's default value
  std::string text;
};

struct RegKeyWrite {
  RegRoot root;
  std::string key;
  std::vector<RegValue> values;  // none: the key is only created
};

using RegistrationPlan = std::vector<RegKeyWrite>;

// program is the resolved path of the program that opens the type.
RegistrationPlan FileTypeRegistration(std::string_view extension, std::string_view program, int iconIndex);
RegistrationPlan MenuEntryRegistration(bool allFiles, std::string_view program, std::string_view name);
// Nothing when the display name or the product key is empty: without a product key the values
// would land on the uninstall list itself.
RegistrationPlan UninstallRegistration(std::string_view productKey, std::string_view displayName,
                                       std::string_view uninstallerPath);

struct ApplicationKeyValues {
  std::string productKey, releaseDate, version;
  std::string installFolder;  // without a trailing backslash
  std::string setupFolder;    // folder of the running setup, without a trailing backslash
};
RegistrationPlan ApplicationKeyRegistration(const ApplicationKeyValues& values);

}  // namespace sk
