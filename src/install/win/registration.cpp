#include "install/win/registration.h"

#include <windows.h>

#include <vector>

#include "shared/registry_root.h"

namespace sk {

namespace {

// Text values carry their length without a terminating zero. The system adds the zero itself
// when the byte after the given count happens to be one, as it always is after a std::string's
// text, so the text goes in from a copy that ends in a byte that is not zero.
void SetValue(HKEY key, const RegValue& value) {
  if (value.number) {
    const DWORD number = *value.number;
    RegSetValueExA(key, value.name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    return;
  }
  std::vector<BYTE> text(value.text.begin(), value.text.end());
  text.push_back(0xFF);
  RegSetValueExA(key, value.name.c_str(), 0, REG_SZ, text.data(), static_cast<DWORD>(value.text.size()));
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
