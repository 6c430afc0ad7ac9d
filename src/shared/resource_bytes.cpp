#include "shared/resource_bytes.h"

#include <windows.h>

namespace sk {

const unsigned char* LoadResourceBytes(int id, const char* type, unsigned long* size) {
  *size = 0;
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(id), type);
  if (!info) return nullptr;
  HGLOBAL handle = LoadResource(module, info);
  const void* bytes = handle ? LockResource(handle) : nullptr;
  if (!bytes) return nullptr;
  *size = SizeofResource(module, info);
  return static_cast<const unsigned char*>(bytes);
}

}  // namespace sk
