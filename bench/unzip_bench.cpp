// Unpacking one large compressed entry two ways: in place, reading the archive inside the
// setup file through minizip's callbacks (ExtractZipMember), and the older way that copies
// the entry to qvzip.tmp first, writes "PK" over its first two bytes and opens that copy.
// Not a test: it prints the times.
//
// Usage: unzip_bench FOLDER [MIB]   (FOLDER receives the work files; MIB defaults to 200)
#include <minizip/unzip.h>
#include <minizip/zip.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "install/file_install.h"
#include "package/file_io.h"
#include "package/range_io.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::size_t kMiB = 1 << 20;
constexpr unsigned kChunk = 4096;

// Half text that deflates well, half noise that does not, in alternating mebibytes.
std::vector<char> Payload(std::size_t mib) {
  std::vector<char> bytes(mib * kMiB);
  const char* words = "setup install folder file program shortcut registry package disk volume ";
  const std::size_t wordsLength = std::strlen(words);
  std::uint32_t x = 12345;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if ((i / kMiB) % 2 == 0) {
      bytes[i] = words[(i * 7 + i / 4096) % wordsLength];
    } else {
      x = x * 1103515245u + 12345u;
      bytes[i] = static_cast<char>(x >> 24);
    }
  }
  return bytes;
}

// A setup file with a stub and the one-member archive of payload; returns the archive's size.
std::int64_t WriteSetup(const std::string& setup, const std::string& scratchZip, const std::vector<char>& payload,
                        std::int64_t stubSize) {
  zipFile zip = zipOpen64(scratchZip.c_str(), APPEND_STATUS_CREATE);
  zip_fileinfo info{};
  zipOpenNewFileInZip64(zip, "member", &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED, 6, 1);
  for (std::size_t at = 0; at < payload.size(); at += kMiB)
    zipWriteInFileInZip(zip, payload.data() + at, static_cast<unsigned>(std::min(kMiB, payload.size() - at)));
  zipCloseFileInZip(zip);
  zipClose(zip, nullptr);
  std::FILE* out = std::fopen(setup.c_str(), "wb");
  std::FILE* in = std::fopen(scratchZip.c_str(), "rb");
  const std::string stub(static_cast<std::size_t>(stubSize), 'S');
  std::fwrite(stub.data(), 1, stub.size(), out);
  std::vector<char> buffer(kMiB);
  std::int64_t size = 0;
  for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), in)) > 0; size += static_cast<std::int64_t>(n))
    std::fwrite(buffer.data(), 1, n, out);
  std::fclose(in);
  std::fclose(out);
  std::remove(scratchZip.c_str());
  return size;
}

bool ExtractThroughCopy(const std::string& setup, const std::string& destination, const std::string& temp,
                        std::int64_t offset, std::int64_t size) {
  if (!sk::ExtractRange(temp, setup, offset, size)) return false;
  std::FILE* head = std::fopen(temp.c_str(), "r+b");
  if (!head) return false;
  std::fwrite("PK", 1, 2, head);
  std::fclose(head);
  unzFile zip = unzOpen64(temp.c_str());
  if (!zip) return false;
  unz_file_info64 info{};
  if (unzOpenCurrentFile(zip) != UNZ_OK || unzGetCurrentFileInfo64(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) {
    unzClose(zip);
    return false;
  }
  const unsigned chunk = static_cast<unsigned>(std::clamp<ZPOS64_T>(info.uncompressed_size / 10, 1, kChunk));
  std::FILE* out = std::fopen(destination.c_str(), "wb");
  std::vector<char> buffer(chunk);
  for (int n; (n = unzReadCurrentFile(zip, buffer.data(), chunk)) > 0;) {
    std::fwrite(buffer.data(), 1, static_cast<std::size_t>(n), out);
    if (static_cast<unsigned>(n) != chunk) break;
  }
  std::fclose(out);
  unzClose(zip);
  std::remove(temp.c_str());
  return true;
}

bool SameFile(const std::string& a, const std::string& b, std::size_t expectedSize) {
  std::FILE* fa = std::fopen(a.c_str(), "rb");
  std::FILE* fb = std::fopen(b.c_str(), "rb");
  if (!fa || !fb) return false;
  std::vector<char> x(kMiB), y(kMiB);
  std::size_t total = 0;
  bool same = true;
  for (std::size_t n; same && (n = std::fread(x.data(), 1, x.size(), fa)) > 0; total += n)
    same = std::fread(y.data(), 1, n, fb) == n && std::memcmp(x.data(), y.data(), n) == 0;
  same = same && std::fgetc(fb) == EOF && total == expectedSize;
  std::fclose(fa);
  std::fclose(fb);
  return same;
}

template <typename Work>
double Seconds(Work work) {
  const auto start = Clock::now();
  if (!work()) {
    std::fprintf(stderr, "unzip failed\n");
    std::exit(1);
  }
  return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: unzip_bench FOLDER [MIB]\n");
    return 2;
  }
  const std::string folder = sk::JoinPath(argv[1], "");
  const std::size_t mib = argc > 2 ? static_cast<std::size_t>(std::atoi(argv[2])) : 200;
  const std::string setup = folder + "bench_setup.exe", inPlace = folder + "in_place.out",
                    copied = folder + "copied.out", temp = folder + "qvzip.tmp";
  const std::int64_t offset = 1 << 20;
  const std::vector<char> payload = Payload(mib);
  const std::int64_t size = WriteSetup(setup, folder + "scratch.zip", payload, offset);
  std::printf("entry: %zu MiB unpacked, %.1f MiB compressed\n", mib, static_cast<double>(size) / kMiB);

  constexpr int kRounds = 3;
  double bestInPlace = 1e9, bestCopied = 1e9;
  for (int round = 0; round < kRounds; ++round) {
    bestInPlace = std::min(bestInPlace, Seconds([&] {
      return sk::ExtractZipMember(setup, inPlace, offset, size, 0, nullptr);
    }));
    bestCopied = std::min(bestCopied, Seconds([&] { return ExtractThroughCopy(setup, copied, temp, offset, size); }));
  }
  const bool same = SameFile(inPlace, copied, payload.size());
  std::printf("in place (ExtractZipMember): %.2f s\n", bestInPlace);
  std::printf("through qvzip.tmp:           %.2f s\n", bestCopied);
  std::printf("outputs %s\n", same ? "identical" : "DIFFER");
  for (const std::string& file : {setup, inPlace, copied}) std::remove(file.c_str());
  return same ? 0 : 1;
}
