#include "package_trailer.h"

#include <cstdint>
#include <limits>

#include "file_io.h"

namespace sk {

std::int32_t ParseDecimal(std::string_view text) {
  std::size_t i = 0;
  auto blank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
  while (i < text.size() && blank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::int64_t value = 0;
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > kLimit) value = kLimit;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<std::int32_t>::max()) value = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(value);
}

std::optional<PackageTrailer> ParsePackageTrailer(std::string_view tail) {
  // The text after the last "&"; an "&" at the very start of the tail does not count.
  const std::size_t amp = tail.rfind('&');
  if (amp == std::string_view::npos || amp == 0) return std::nullopt;
  const std::string_view text = tail.substr(amp + 1);

  // LEN lies between the first ":" and the first ","; SEEK between the first ":" at or after
  // that "," and the first ".". A missing or misplaced delimiter leaves an empty text, which
  // reads as 0. The names LEN and SEEK themselves are not compared.
  constexpr auto npos = std::string_view::npos;
  auto between = [&](std::size_t open, std::size_t close) {
    if (open == npos || close == npos || close <= open) return std::string_view();
    return text.substr(open + 1, close - open - 1);
  };
  PackageTrailer trailer;
  const std::size_t comma = text.find(',');
  trailer.length = ParseDecimal(between(text.find(':'), comma));
  if (comma != npos) trailer.offset = ParseDecimal(between(text.find(':', comma), text.find('.')));
  return trailer;
}

std::optional<PackageTrailer> ReadPackageTrailer(const std::string& path) {
  File file = File::OpenRead(path);
  if (!file.IsOpen()) return std::nullopt;
  const std::int64_t size = file.Size();
  const std::int64_t start = size > kTrailerWindow ? size - kTrailerWindow : 0;
  char tail[kTrailerWindow];
  if (!file.Seek(start)) return std::nullopt;
  std::size_t got = 0;
  while (got < static_cast<std::size_t>(size - start)) {
    const std::size_t n = file.Read(tail + got, static_cast<std::size_t>(size - start) - got);
    if (n == 0) break;
    got += n;
  }
  return ParsePackageTrailer(std::string_view(tail, got));
}

std::string FormatPackageTrailer(const PackageTrailer& trailer) {
  return "&LEN:" + std::to_string(trailer.length) + ",SEEK:" + std::to_string(trailer.offset) + ".";
}

}  // namespace sk
