#include "shared/process_paths.h"

#include <windows.h>

namespace sk {
namespace {

// Room for the whole buffer plus a terminator that older systems do not always write.
using PathBuffer = char[kPathBufferBytes + 1];

}  // namespace

bool GetOwnPath(std::string& path) {
  PathBuffer buffer = {};
  const DWORD length = GetModuleFileNameA(nullptr, buffer, kPathBufferBytes);
  if (length == 0 || length >= kPathBufferBytes) return false;
  path.assign(buffer, length);
  return true;
}

bool GetTempFolder(std::string& folder) {
  PathBuffer buffer = {};
  const DWORD length = GetTempPathA(kPathBufferBytes, buffer);
  if (length == 0 || length >= kPathBufferBytes) return false;
  folder.assign(buffer, length);
  return true;
}

}  // namespace sk
