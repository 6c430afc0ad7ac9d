#include "unwise/win_registry_removal.h"

#include <vector>

namespace sk {

bool DeleteRegTree(HKEY root, const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  // Names first, deletion after: deleting while enumerating shifts the indices.
  std::vector<std::string> children;
  char name[MAX_PATH + 1];
  for (DWORD index = 0; RegEnumKeyA(key, index, name, sizeof name) == ERROR_SUCCESS; ++index) children.push_back(name);
  RegCloseKey(key);
  for (const auto& child : children) DeleteRegTree(root, path + "\\" + child);
  RegDeleteKeyA(root, path.c_str());
  return true;
}

bool DeleteRegValue(HKEY root, const std::string& path, const std::string& name) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return false;
  RegDeleteValueA(key, name.c_str());
  RegCloseKey(key);
  return true;
}

void DeleteRegKey(HKEY root, const std::string& path) { RegDeleteKeyA(root, path.c_str()); }

}  // namespace sk
