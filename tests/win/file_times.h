// Reading back the times a test's files were given, in the system's own terms.
#pragma once

#include <windows.h>

#include <string>

namespace sk::test {

struct Times {
  FILETIME created{}, written{};
};

// The creation and last-write time of a file; zero when it cannot be opened.
Times TimesOf(const std::string& path);
// A local wall-clock time as the system's own conversion gives it in UTC file time.
FILETIME LocalToFileTime(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second);
// Whether files in folder keep a creation time of their own: Wine on a Unix file system
// reports the last-write time instead, whatever was set.
bool KeepsCreationTimes(const std::string& folder);

}  // namespace sk::test

inline bool operator==(const FILETIME& a, const FILETIME& b) {
  return a.dwLowDateTime == b.dwLowDateTime && a.dwHighDateTime == b.dwHighDateTime;
}
