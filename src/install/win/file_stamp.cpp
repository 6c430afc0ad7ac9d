#include "install/win/file_stamp.h"

#include <windows.h>

#include <ctime>

namespace sk {
namespace {

// Seconds from 1601-01-01 (FILETIME's epoch) to 1970-01-01, and FILETIME ticks per second.
constexpr long long kEpochGap = 11644473600LL;
constexpr long long kTicksPerSecond = 10000000LL;

bool ToFileTime(const LocalTime& local, FILETIME& result) {
  std::tm fields{};
  fields.tm_year = local.year - 1900;
  fields.tm_mon = local.month - 1;
  fields.tm_mday = local.day;
  fields.tm_hour = local.hour;
  fields.tm_min = local.minute;
  fields.tm_sec = local.second;
  fields.tm_isdst = -1;  // the calendar decides whether summer time applies on that date
  const std::time_t utc = std::mktime(&fields);
  if (utc == static_cast<std::time_t>(-1)) return false;
  const auto ticks = static_cast<unsigned long long>((static_cast<long long>(utc) + kEpochGap) * kTicksPerSecond);
  result.dwLowDateTime = static_cast<DWORD>(ticks);
  result.dwHighDateTime = static_cast<DWORD>(ticks >> 32);
  return true;
}

}  // namespace

bool ApplyFileDate(const std::string& path, const FileDate& date) {
  FILETIME created{}, written{};
  if (!ToFileTime(date.created, created) || !ToFileTime(date.lastWritten, written)) return false;
  HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const BOOL timed = SetFileTime(file, &created, nullptr, &written);
  CloseHandle(file);
  // No attribute bit at all means a plain file, which the system spells NORMAL.
  const DWORD attributes = date.attributes == 0 ? FILE_ATTRIBUTE_NORMAL : date.attributes;
  const BOOL marked = SetFileAttributesA(path.c_str(), attributes);
  return timed && marked;
}

}  // namespace sk
