// The uninstaller's start-up decisions: whether this run is the relocated copy, where the log
// is, and the file chosen when it is missing.
#pragma once

#include <string>
#include <string_view>

namespace sk {

// The relocated copy's file name; the copy knows itself by it.
inline constexpr const char* kRelocatedName = "glb1a2b.exe";

// Whether the program at ownPath is the relocated copy: its file name without the extension
// is "glb1a2b" in any letter case.
bool IsRelocatedCopy(std::string_view ownPath);
// The log path a copy was handed: its whole command line, one leading and then one trailing
// double quote removed (so a path with blanks arrives whole).
std::string LogPathFromCommandLine(std::string_view commandLine);
// The log beside the program that starts the relocation: its folder and "setup.log".
std::string LogBeside(std::string_view ownPath);
// The folder the open-file dialog starts in: the log path before its last backslash.
std::string LogFolderOf(std::string_view logPath);
// Whether a chosen file is a log: its name is "setup.log" in any letter case.
bool IsLogName(std::string_view path);

}  // namespace sk
