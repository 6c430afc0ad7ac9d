#include "install/file_date.h"

#include <array>
#include <string>

#include "package/package_trailer.h"

namespace sk {
namespace {

constexpr int kFields = 13;
constexpr std::size_t kFieldChars = 4;

bool IsLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysIn(int year, int month) {
  constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeap(year) ? 29 : days[month - 1];
}

bool IsValid(const LocalTime& t) {
  return t.year >= 1970 && t.year <= 3000 && t.month >= 1 && t.month <= 12 && t.day >= 1 &&
         t.day <= DaysIn(t.year, t.month) && t.hour >= 0 && t.hour <= 23 && t.minute >= 0 &&
         t.minute <= 59 && t.second >= 0 && t.second <= 59;
}

LocalTime TimeFrom(const std::array<int, kFields>& f, int first) {
  return {f[first], f[first + 1], f[first + 2], f[first + 3], f[first + 4], f[first + 5]};
}

}  // namespace

std::optional<FileDate> ParseFileDate(std::string_view text) {
  std::array<int, kFields> fields{};
  int count = 0;
  for (std::size_t colon; count < kFields && (colon = text.find(':')) != std::string_view::npos;) {
    fields[count++] = ParseDecimal(text.substr(0, std::min(colon, kFieldChars)));
    text.remove_prefix(colon + 1);
  }
  if (count < kFields) return std::nullopt;
  FileDate date{TimeFrom(fields, 0), TimeFrom(fields, 6), static_cast<std::uint32_t>(fields[12]) & 0xFF};
  if (!IsValid(date.created) || !IsValid(date.lastWritten)) return std::nullopt;
  return date;
}

}  // namespace sk
