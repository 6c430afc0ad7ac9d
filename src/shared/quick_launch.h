// Where the user's Quick Launch folder lies. Portable.
#pragma once

#include <string>

namespace sk {

// Quick Launch below the roaming application-data folder, ending in a backslash. Systems
// since the profile folders moved keep it there, not beside the cookies.
std::string QuickLaunchFolder(const std::string& appData);

}  // namespace sk
