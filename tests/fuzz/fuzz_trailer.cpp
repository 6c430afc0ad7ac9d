// The tail of a package file, as ReadPackageTrailer sees it.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "package/package_trailer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view tail(reinterpret_cast<const char*>(data), size);
  if (auto t = sk::ParsePackageTrailer(tail)) {
    // What we format must parse back to the same numbers.
    const auto again = sk::ParsePackageTrailer("x" + sk::FormatPackageTrailer(*t));
    if (!again || again->length != t->length || again->offset != t->offset) __builtin_trap();
  }
  return 0;
}
