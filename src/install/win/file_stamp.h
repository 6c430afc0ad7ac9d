// Stamping an installed file with the times and attributes of its entry's date text.
#pragma once

#include <string>

#include "install/file_date.h"

namespace sk {

// Sets the creation and last-write times (local times, daylight saving as the local calendar
// has it on that date) and then the attribute byte; the last-access time stays. The times go
// first, so attributes that make the file read-only do not stop them. False when a time does
// not exist locally or the file refuses; whatever was set stays.
bool ApplyFileDate(const std::string& path, const FileDate& date);

}  // namespace sk
