#include "win/driver/wait.h"

#include <cstdlib>

namespace sk::gui {

DWORD DefaultWaitMs() {
  char value[16] = {};
  const DWORD length = GetEnvironmentVariableA("SETUPKIT_GUI_WAIT_MS", value, sizeof value);
  if (length > 0 && length < sizeof value) {
    const long ms = std::strtol(value, nullptr, 10);
    if (ms > 0) return static_cast<DWORD>(ms);
  }
  return 5000;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    if (condition()) return true;
    if (GetTickCount64() >= deadline) return false;
    Sleep(20);
  }
}

}  // namespace sk::gui
