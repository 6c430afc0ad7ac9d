// The one message both programs show when their package cannot be read.
#pragma once

namespace sk {

// Set to 1 in a program's environment, this suppresses every message box, so that tests can
// run the programs unattended.
inline constexpr const char* kNoUiVariable = "SETUPKIT_NO_UI";

// Whether the test switch is set.
bool UiSuppressed();

// Tells the user, in both languages since the package's language is not known yet, that the
// program cannot start.
void ReportStartFailure();

}  // namespace sk
