// Environment switches that let tests run setup.exe unattended (shared/env_switch.h). Each is
// on for the exact value "1" and changes nothing else.
//
//   SETUPKIT_NO_UI=1            the failed-start message is not shown (start_failure.h)
//   SETUPKIT_KEEP_TEMP=1        the private temporary folder stays at the end (private_temp.h)
//   SETUPKIT_HOLD_AT_WIZARD=1   the wizard is skipped; with the background window shown, setup
//                               waits where the wizard would run until that window is closed
//                               (WM_CLOSE), and without one it goes on to its end at once
#pragma once

namespace sk {

inline constexpr const char* kHoldAtWizardVariable = "SETUPKIT_HOLD_AT_WIZARD";

}  // namespace sk
