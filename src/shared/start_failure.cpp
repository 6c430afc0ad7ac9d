#include "shared/start_failure.h"

#include <windows.h>

#include "shared/env_switch.h"

namespace sk {

bool UiSuppressed() { return EnvironmentSwitchSet(kNoUiVariable); }

void ReportStartFailure() {
  if (UiSuppressed()) return;
  MessageBoxA(nullptr, kStartFailureText, "", MB_OK);
}

}  // namespace sk
