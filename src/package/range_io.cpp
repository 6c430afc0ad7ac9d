#include "range_io.h"

#include <algorithm>

#include "file_io.h"

namespace sk {
namespace {

constexpr std::size_t kChunk = 4096;

}  // namespace

std::int64_t CopyRange(File& out, File& source, std::int64_t offset, std::int64_t count) {
  const std::int64_t size = source.Size();
  if (offset < 0 || offset >= size || count <= 0 || !source.Seek(offset)) return 0;
  count = std::min(count, size - offset);
  char buffer[kChunk];
  std::int64_t done = 0;
  while (done < count) {
    const auto want = static_cast<std::size_t>(std::min<std::int64_t>(count - done, kChunk));
    const std::size_t n = source.Read(buffer, want);
    if (n == 0 || !out.Write(buffer, n)) break;
    done += static_cast<std::int64_t>(n);
  }
  return done;
}

int ExtractRange(const std::string& destination, const std::string& source, std::int64_t offset,
                 std::int64_t count) {
  File in = File::OpenRead(source);
  if (!in.IsOpen()) return 0;
  if (count == -1) count = in.Size() - offset;
  ClearFileAttributes(destination);
  File out = File::CreateTruncate(destination);
  if (!out.IsOpen()) return 0;
  CopyRange(out, in, offset, count);
  return 1;
}

std::optional<std::vector<std::uint8_t>> ReadRange(const std::string& source, std::int64_t length,
                                                   std::int64_t offset) {
  File in = File::OpenRead(source);
  if (!in.IsOpen()) return std::nullopt;
  const std::int64_t size = in.Size();
  if (length == -1) length = size - offset;
  length = std::clamp<std::int64_t>(length, 0, size);
  std::vector<std::uint8_t> block(static_cast<std::size_t>(length), 0);
  if (offset >= 0 && offset < size && in.Seek(offset)) {
    std::size_t got = 0;
    while (got < block.size()) {
      const std::size_t n = in.Read(block.data() + got, block.size() - got);
      if (n == 0) break;
      got += n;
    }
  }
  return block;
}

}  // namespace sk
