#include "win/file_times.h"

#include "support/temp_dir.h"

namespace sk::test {

Times TimesOf(const std::string& path) {
  Times times;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return times;
  GetFileTime(file, &times.created, nullptr, &times.written);
  CloseHandle(file);
  return times;
}

FILETIME LocalToFileTime(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second) {
  SYSTEMTIME local{year, month, 0, day, hour, minute, second, 0};
  SYSTEMTIME utc{};
  TzSpecificLocalTimeToSystemTime(nullptr, &local, &utc);
  FILETIME result{};
  SystemTimeToFileTime(&utc, &result);
  return result;
}

bool KeepsCreationTimes(const std::string& folder) {
  const std::string probe = folder + "creation.probe";
  WriteAll(probe, "");
  const FILETIME created = LocalToFileTime(2001, 1, 1, 0, 0, 0);
  const FILETIME written = LocalToFileTime(2002, 1, 1, 0, 0, 0);
  HANDLE file = CreateFileA(probe.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  SetFileTime(file, &created, nullptr, &written);
  CloseHandle(file);
  const bool kept = TimesOf(probe).created == created;
  DeleteFileA(probe.c_str());
  return kept;
}

}  // namespace sk::test
