// What setup writes into the registry, as data: the Win32 layer creates each key in order and
// sets its values: texts as REG_SZ, the byte count being the text's length without a
// terminating zero; numbers as REG_DWORD.
//
// Commands carry the program's path in quotes, so that a folder such as C:\Program Files\...
// and a document path with blanks still work; the uninstall entry beyond DisplayName and
// UninstallString has what the system's list of programs shows and offers.
#pragma once

#include <cstdint>
#include <string>
#include <optional>
#include <string_view>
#include <vector>

#include "package/registry_layout.h"

namespace sk {

struct RegValue {
  std::string name;  // empty: the key's default value
  std::string text;
  std::optional<std::uint32_t> number;  // set: a REG_DWORD, and text is unused
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
struct UninstallEntryValues {
  std::string productKey, displayName, version;
  std::string uninstallerPath;  // the installed unwise.exe
  std::string installFolder;    // without a trailing backslash
  std::uint64_t installedBytes = 0;
};
// Nothing when the display name or the product key is empty: without a product key the values
// would land on the uninstall list itself.
RegistrationPlan UninstallRegistration(const UninstallEntryValues& values);

struct ApplicationKeyValues {
  std::string productKey, releaseDate, version;
  std::string installFolder;  // without a trailing backslash
  std::string setupFolder;    // folder of the running setup, without a trailing backslash
};
RegistrationPlan ApplicationKeyRegistration(const ApplicationKeyValues& values);

}  // namespace sk
