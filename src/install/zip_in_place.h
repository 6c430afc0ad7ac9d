// minizip's file functions over a byte range of a bigger file, so that a zip archive stored
// inside a package is read where it lies, without a temporary copy. The range's first two
// bytes read as "PK" whatever is stored there.
#pragma once

#include <cstdint>
#include <string>

#include <minizip/unzip.h>

namespace sk {

struct ZipRange {
  std::string path;
  std::int64_t offset = 0;
  std::int64_t size = -1;  // -1: to the end of the file
};

// Opens the archive; null when the file cannot be opened or holds no archive there. The range
// must outlive the handle.
unzFile OpenZipInPlace(const ZipRange& range);

}  // namespace sk
