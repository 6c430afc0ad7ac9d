#include "install/win/registration.h"

#include <windows.h>

namespace sk {

namespace {

HKEY RootKey(RegRoot root) {
  switch (root) {
    case RegRoot::ClassesRoot: return HKEY_CLASSES_ROOT;
    case RegRoot::CurrentUser: return HKEY_CURRENT_USER;
    case RegRoot::LocalMachine: return HKEY_LOCAL_MACHINE;
    case RegRoot::Users: return HKEY_USERS;
    case RegRoot::CurrentConfig: return HKEY_CURRENT_CONFIG;
  }
  return HKEY_CURRENT_USER;
}

// Text values carry their length without a terminating zero, as the uninstaller and the folder
// page expect to read them back.
void SetValue(HKEY key, const RegValue& value) {
  if (value.number) {
    const DWORD number = *value.number;
    RegSetValueExA(key, value.name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    return;
  }
  RegSetValueExA(key, value.name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.text.data()),
                 static_cast<DWORD>(value.text.size()));
}

void ApplyKeyWrite(const RegKeyWrite& write) {
  const HKEY root = RootKey(write.root);
  HKEY key = nullptr;
  if (RegOpenKeyA(root, write.key.c_str(), &key) != ERROR_SUCCESS &&
      RegCreateKeyExA(root, write.key.c_str(), 0, const_cast<char*>(""), 0, KEY_ALL_ACCESS, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    return;
  for (const RegValue& value : write.values) SetValue(key, value);
  RegCloseKey(key);
}

}  // namespace

void ApplyRegistrationPlan(const RegistrationPlan& plan) {
  for (const RegKeyWrite& write : plan) ApplyKeyWrite(write);
}

}  // namespace sk
