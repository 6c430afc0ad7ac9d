// Tests that make shell links keep them inside the prefix.
#pragma once

#include <windows.h>

namespace sk::test {

// Wine's link saver would hand every new link to its menu builder, which writes desktop entries
// into the host's home; off for as long as the object lives.
class NoMenuBuilder {
 public:
  NoMenuBuilder() {
    RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key_, nullptr);
    if (key_) RegSetValueExA(key_, kValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1);
  }
  ~NoMenuBuilder() {
    if (!key_) return;
    RegDeleteValueA(key_, kValue);
    RegCloseKey(key_);
  }

 private:
  static constexpr const char* kKey = "Software\\Wine\\DllOverrides";
  static constexpr const char* kValue = "winemenubuilder.exe";
  HKEY key_ = nullptr;
};

}  // namespace sk::test
