// The plain-text trailer "&LEN:%d,SEEK:%d." that ends every package and addresses its
// configuration block.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sk {

struct PackageTrailer {
  std::int32_t length = 0;  // LEN: bytes of the configuration block
  std::int32_t offset = 0;  // SEEK: its absolute offset in the file
};

// The trailer must lie within the file's last kTrailerWindow bytes.
inline constexpr std::int64_t kTrailerWindow = 127;

// Parses the tail of a file (its last kTrailerWindow bytes, or all of a shorter file).
std::optional<PackageTrailer> ParsePackageTrailer(std::string_view tail);
std::optional<PackageTrailer> ReadPackageTrailer(const std::string& path);
std::string FormatPackageTrailer(const PackageTrailer& trailer);

// atol's reading of a decimal number: leading blanks, an optional sign, digits up to the first
// non-digit, 0 without digits; saturated to the 32-bit range.
std::int32_t ParseDecimal(std::string_view text);

}  // namespace sk
