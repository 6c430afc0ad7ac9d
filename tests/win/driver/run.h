// Running a program under test to its end when the test does not care how it is answered.
#pragma once

#include <windows.h>

#include <optional>

#include "win/driver/program.h"

namespace sk::gui {

// Closes, through their close boxes, whatever windows the program shows until it ends; its
// exit code, or nothing when it is still running after timeoutMs.
std::optional<DWORD> CloseWindowsUntilExit(Program& program, DWORD timeoutMs = DefaultWaitMs());

}  // namespace sk::gui
