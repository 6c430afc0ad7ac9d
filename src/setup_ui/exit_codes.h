// Exit status of setup.exe, for whoever starts it (tests and scripts among them).
#pragma once

namespace sk {

// setup ran to its end (the wizard closed, whether installed or cancelled inside it).
inline constexpr int kSetupExitOk = 0;
// The user cancelled the start-up splash; setup ended at once, leaving its temporary files.
inline constexpr int kSetupExitCancelled = 1;
// The package could not be read, or the uninstaller could not be written.
inline constexpr int kSetupExitStartFailed = 3;
// The user chose Abort at the disk-space question before the wizard.
inline constexpr int kSetupExitAborted = 4;

}  // namespace sk
