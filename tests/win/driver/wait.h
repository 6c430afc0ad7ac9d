// Bounded waiting: every wait of the driver ends after its time limit, so a hung program fails
// its test instead of holding up the run.
#pragma once

#include <windows.h>

#include <functional>

namespace sk::gui {

// The limit of a wait when the caller names none: SETUPKIT_GUI_WAIT_MS when that is set to a
// positive number (slow machines), otherwise a few seconds.
DWORD DefaultWaitMs();

// Polls condition until it holds or timeoutMs has passed; true when it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = DefaultWaitMs());

}  // namespace sk::gui
