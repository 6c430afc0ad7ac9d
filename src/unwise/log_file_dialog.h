// The open-file dialog that asks for setup.log when the handed-over path names no file.
#pragma once

#include <string>

namespace sk {

// Starts in folder; false when the user cancels.
bool ChooseLogFile(const std::string& folder, std::string& chosen);

}  // namespace sk
