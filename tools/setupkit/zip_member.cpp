#include "zip_member.h"

#include <minizip/unzip.h>
#include <minizip/zip.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "package/file_io.h"

namespace sk::tool {

namespace {
constexpr std::size_t kChunk = 256 * 1024;
}

bool WriteZipMember(const std::string& source, const std::string& archive,
                    const std::string& memberName, int level, const FileTime& time) {
  File in = File::OpenRead(source);
  if (!in.IsOpen()) return false;
  zipFile zip = zipOpen64(archive.c_str(), APPEND_STATUS_CREATE);
  if (!zip) return false;
  zip_fileinfo info{};
  info.tmz_date.tm_year = static_cast<uInt>(time.year);
  info.tmz_date.tm_mon = static_cast<uInt>(time.month - 1);
  info.tmz_date.tm_mday = static_cast<uInt>(time.day);
  info.tmz_date.tm_hour = static_cast<uInt>(time.hour);
  info.tmz_date.tm_min = static_cast<uInt>(time.minute);
  info.tmz_date.tm_sec = static_cast<uInt>(time.second);
  bool ok = zipOpenNewFileInZip3_64(zip, memberName.c_str(), &info, nullptr, 0, nullptr, 0,
                                    nullptr, Z_DEFLATED, level, 0, -MAX_WBITS, DEF_MEM_LEVEL,
                                    Z_DEFAULT_STRATEGY, nullptr, 0, 0) == ZIP_OK;
  std::vector<char> buffer(kChunk);
  while (ok) {
    const std::size_t n = in.Read(buffer.data(), buffer.size());
    if (n == 0) break;
    ok = zipWriteInFileInZip(zip, buffer.data(), static_cast<unsigned>(n)) == ZIP_OK;
  }
  ok = zipCloseFileInZip(zip) == ZIP_OK && ok;
  return zipClose(zip, nullptr) == ZIP_OK && ok;
}

bool ExtractFirstMember(const std::string& archive, const std::string& destination,
                        std::string& error) {
  unzFile zip = unzOpen64(archive.c_str());
  if (!zip) {
    error = "not a zip archive";
    return false;
  }
  std::unique_ptr<void, int (*)(unzFile)> closer(zip, unzClose);
  if (unzGoToFirstFile(zip) != UNZ_OK || unzOpenCurrentFile(zip) != UNZ_OK) {
    error = "the zip archive has no readable first member";
    return false;
  }
  File out = File::CreateTruncate(destination);
  if (!out.IsOpen()) {
    error = "cannot create '" + destination + "'";
    unzCloseCurrentFile(zip);
    return false;
  }
  std::vector<char> buffer(kChunk);
  int n;
  while ((n = unzReadCurrentFile(zip, buffer.data(), static_cast<unsigned>(buffer.size()))) > 0)
    if (!out.Write(buffer.data(), static_cast<std::size_t>(n))) {
      error = "cannot write '" + destination + "'";
      unzCloseCurrentFile(zip);
      return false;
    }
  // Closing the member checks its CRC, which a damaged archive fails.
  const int closed = unzCloseCurrentFile(zip);
  if (n < 0 || closed != UNZ_OK) {
    error = "the zip member is damaged";
    return false;
  }
  return true;
}

}  // namespace sk::tool
