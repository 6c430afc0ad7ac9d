#include "shared/start_failure.h"

#include <windows.h>

namespace sk {

bool UiSuppressed() {
  char value[4] = {};
  const DWORD length = GetEnvironmentVariableA(kNoUiVariable, value, sizeof value);
  return length == 1 && value[0] == '1';
}

void ReportStartFailure() {
  if (UiSuppressed()) return;
  MessageBoxA(nullptr, "初始化数据失败!\r\nInit data failure!", "", MB_OK);
}

}  // namespace sk
