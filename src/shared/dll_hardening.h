// Where setup.exe and unwise.exe may load DLLs from. Both are started from folders that hold
// other people's files (a downloads folder, the temporary folder): a DLL there named like a
// system DLL must never be loaded in place of it.
#pragma once

#include <windows.h>

namespace sk {

// Restricts the DLL search of this process to System32 and takes the current folder out of
// it. Call it first thing in WinMain, before any delay-loaded DLL is used. Systems without
// SetDefaultDllDirectories still get the current folder removed. True when the System32-only
// search is in force.
bool HardenDllSearch();

// Loads a DLL named by its full path (a file the package installed, for its self-registration)
// so that the DLLs it imports are still found beside it, as its author expects. Null when it
// cannot be loaded.
HMODULE LoadLibraryBeside(const char* fullPath);

}  // namespace sk
