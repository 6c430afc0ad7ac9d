#include "install/zip_in_place.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "package/file_io.h"

namespace sk {
namespace {

struct OpenRange {
  File file;
  std::int64_t base = 0;
  std::int64_t length = 0;
  std::int64_t pos = 0;
};

constexpr char kZipMagic[2] = {'P', 'K'};

voidpf ZCALLBACK Open(voidpf opaque, const void*, int mode) {
  if ((mode & ZLIB_FILEFUNC_MODE_READWRITEFILTER) != ZLIB_FILEFUNC_MODE_READ) return nullptr;
  const auto* range = static_cast<const ZipRange*>(opaque);
  auto open = std::make_unique<OpenRange>();
  open->file = File::OpenRead(range->path);
  if (!open->file.IsOpen()) return nullptr;
  const std::int64_t fileSize = open->file.Size();
  open->base = std::clamp<std::int64_t>(range->offset, 0, fileSize);
  const std::int64_t available = fileSize - open->base;
  open->length = range->size < 0 ? available : std::min(range->size, available);
  // The magic is written over the first two bytes even of a shorter range.
  open->length = std::max<std::int64_t>(open->length, sizeof kZipMagic);
  if (range->offset < 0) open->length = sizeof kZipMagic;
  return open.release();
}

uLong ZCALLBACK Read(voidpf, voidpf stream, void* buf, uLong size) {
  auto* r = static_cast<OpenRange*>(stream);
  auto* out = static_cast<char*>(buf);
  uLong done = 0;
  for (; done < size && r->pos < static_cast<std::int64_t>(sizeof kZipMagic); ++done, ++r->pos) out[done] = kZipMagic[r->pos];
  const auto want = static_cast<std::size_t>(std::min<std::int64_t>(size - done, r->length - r->pos));
  if (want == 0) return done;
  if (!r->file.Seek(r->base + r->pos)) return done;
  std::size_t got = 0;
  while (got < want) {
    const std::size_t n = r->file.Read(out + done + got, want - got);
    if (n == 0) break;
    got += n;
  }
  // Bytes the file no longer holds (it shrank) read as zero, as a copy's would be missing.
  std::memset(out + done + got, 0, want - got);
  r->pos += static_cast<std::int64_t>(want);
  return done + static_cast<uLong>(want);
}

uLong ZCALLBACK Write(voidpf, voidpf, const void*, uLong) { return 0; }

ZPOS64_T ZCALLBACK Tell(voidpf, voidpf stream) { return static_cast<ZPOS64_T>(static_cast<OpenRange*>(stream)->pos); }

long ZCALLBACK Seek(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
  auto* r = static_cast<OpenRange*>(stream);
  std::int64_t to;
  switch (origin) {
    case ZLIB_FILEFUNC_SEEK_SET: to = static_cast<std::int64_t>(offset); break;
    case ZLIB_FILEFUNC_SEEK_CUR: to = r->pos + static_cast<std::int64_t>(offset); break;
    case ZLIB_FILEFUNC_SEEK_END: to = r->length + static_cast<std::int64_t>(offset); break;
    default: return -1;
  }
  if (to < 0 || to > r->length) return -1;
  r->pos = to;
  return 0;
}

int ZCALLBACK Close(voidpf, voidpf stream) {
  delete static_cast<OpenRange*>(stream);
  return 0;
}

int ZCALLBACK Error(voidpf, voidpf) { return 0; }

}  // namespace

unzFile OpenZipInPlace(const ZipRange& range) {
  zlib_filefunc64_def functions{Open, Read, Write, Tell, Seek, Close, Error, const_cast<ZipRange*>(&range)};
  return unzOpen2_64(range.path.c_str(), &functions);
}

}  // namespace sk
