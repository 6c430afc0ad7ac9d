// The date text of a file entry: creation and last-write times in local time and the attribute
// byte, thirteen colon-terminated fields such as
// 2004:11:25:10:30:00:2004:11:25:10:30:00:32:
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace sk {

struct LocalTime {
  int year, month, day, hour, minute, second;
};

struct FileDate {
  LocalTime created;
  LocalTime lastWritten;
  std::uint32_t attributes;  // 1 read-only, 2 hidden, 4 system, 32 archive
};

// Only fields that a colon ends count, each read from at most its first four characters, at
// most thirteen. A text with fewer than thirteen fields, or with a time that is no valid
// calendar date from 1970 to 3000, gives nothing: the file keeps the times and attributes its
// copy left.
std::optional<FileDate> ParseFileDate(std::string_view text);

}  // namespace sk
