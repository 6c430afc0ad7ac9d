#include "shared/env_switch.h"

#include <windows.h>

namespace sk {

bool EnvironmentSwitchSet(const char* name) {
  char value[4] = {};
  const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
  return length == 1 && value[0] == '1';
}

}  // namespace sk
