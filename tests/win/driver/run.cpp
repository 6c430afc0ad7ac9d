#include "win/driver/run.h"

#include "win/driver/input.h"
#include "win/driver/windows.h"

namespace sk::gui {

std::optional<DWORD> CloseWindowsUntilExit(Program& program, DWORD timeoutMs) {
  WindowQuery query;
  query.processId = program.id();
  WaitUntil(
      [&] {
        if (!program.running()) return true;
        for (HWND window : FindWindows(query)) UseCloseBox(window);
        return false;
      },
      timeoutMs);
  return program.WaitForExit(0);
}

}  // namespace sk::gui
