// The private temporary folder of this run.
//
// setup usually runs elevated and reads back what it wrote to the temporary folder (its
// configuration, the uninstaller it later copies into Program Files, the zip member it
// unpacks); in the user's shared temporary folder any other process of the user could swap
// such a file in between. So each run of setup.exe and unwise.exe makes one folder of its own
// inside the user's temporary folder, which only the user may open (and the administrators,
// when the run is elevated), and keeps every temporary file there under its usual name
// (mirl.tmp, mirl.swf, mirl_filecopy.avi, unwise_mirl.tmp, ...).
//
// Name pattern (private_temp_name.h): <TEMP>\setupkit-<program>-<pid>-<16 hex digits of the
// process's creation time>-<attempt>\, e.g. %TEMP%\setupkit-setup-1234-01DA4C2B9E8F7A60-0\.
// <program> is "setup" or "unwise". At start a program removes the folders of its earlier runs
// that no longer run; at its normal end it removes its own folder with everything in it.
// A failed or cancelled start leaves the folder and its files behind, for the next run to
// clear.
//
// Tests: setup's temporary files are there only while setup runs. With SETUPKIT_KEEP_TEMP=1 in
// its environment a program keeps its folder and files at its end, so a test can read them
// afterwards (it finds the folder by the pattern above in the TEMP it gave the program).
//
// Install paths that name the temporary folder (TEMP_FOLDER entries) are not affected: they
// are the package's files and stay in the user's temporary folder.
#pragma once

#include <string>

namespace sk {

inline constexpr const char* kKeepTempVariable = "SETUPKIT_KEEP_TEMP";

// Makes this run's folder (once per process) after removing the stale folders of earlier runs
// of program. False when the user's temporary folder is unusable or no folder could be made.
bool CreatePrivateTempFolder(const char* program);
// The folder with its trailing backslash; empty until CreatePrivateTempFolder succeeded.
const std::string& PrivateTempFolder();
// Whether the test switch keeps the temporary files at the end.
bool TempFilesKept();
// Removes the folder and its files, unless the test switch keeps them.
void RemovePrivateTempFolder();

}  // namespace sk
