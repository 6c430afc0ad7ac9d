// Reading byte ranges out of a package file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sk {

// Copies count bytes at offset of source into destination (created or truncated; a read-only
// destination is replaced). count -1 means up to the end. The copy stops early at the end of
// the source; an offset past the end or negative leaves an empty destination. Returns 1, or 0
// when either file cannot be opened.
int ExtractRange(const std::string& destination, const std::string& source, std::int64_t offset,
                 std::int64_t count);

class File;

// Appends up to count bytes at offset of the open source to out, stopping at the source's end;
// a negative offset or count copies nothing. Returns the number of bytes written.
std::int64_t CopyRange(File& out, File& source, std::int64_t offset, std::int64_t count);

// The length bytes at offset of source; length -1 means up to the end. Bytes past the end of
// the source read as zero, and the block is never longer than the source file itself. No
// block when the source cannot be opened.
std::optional<std::vector<std::uint8_t>> ReadRange(const std::string& source, std::int64_t length,
                                                   std::int64_t offset);

}  // namespace sk
