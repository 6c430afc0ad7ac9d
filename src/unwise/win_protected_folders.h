// This machine's folders that no removal may take, nor any folder above them.
#pragma once

#include <string>
#include <vector>

namespace sk {

// Windows, System, Program Files, the profile, the desktop, the start menu, Programs,
// application data, the temporary folder and documents, as the system names them (both the
// user's and the common ones); folders the system does not know are left out.
std::vector<std::string> ProtectedFolders();
// The user's Programs folder of the start menu, with its trailing backslash; empty when the
// system does not know it.
std::string ProgramsFolder();

}  // namespace sk
