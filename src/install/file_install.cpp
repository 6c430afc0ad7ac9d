#include "install/file_install.h"

#ifdef _WIN32
#define NOMINMAX
#include <windows.h>
#else
#include <sys/stat.h>
#endif

#include <algorithm>
#include <vector>

#include "install/copy_progress.h"
#include "install/zip_in_place.h"
#include "package/file_io.h"

namespace sk {
namespace {

constexpr std::size_t kMaxChunk = 4096;

// The unzip never replaces a read-only file. Opening one for writing is not refused everywhere
// (root, and an administrator's programs under Wine, may), so it is checked here.
bool IsReadOnlyFile(const std::string& path) {
#ifdef _WIN32
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
#else
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && (st.st_mode & S_IWUSR) == 0;
#endif
}

// Where the entry's bytes lie: the setup file, or the volume file of its disk, asking for the
// disk once when the volume is missing.
std::string SourceOf(int index, const FileEntry& entry, const InstallContext& context, InstallHost& host) {
  if (entry.disk == 0) return context.setupPath;
  const std::string& volume = context.config.disks[entry.disk - 1].volumeName;
  std::string path = host.DiskFolder(entry.disk) + volume;
  if (!PathExists(path)) {
    host.RequestDisk(index);
    path = host.DiskFolder(entry.disk) + volume;
  }
  return path;
}

}  // namespace

std::string OverwriteQuestion(const std::string& destination, bool english) {
  if (english) return "The file " + destination + " have existed,do you want to overlay?";
  // 文件 %s 已存在,要覆盖吗?
  return "\xce\xc4\xbc\xfe " + destination + " \xd2\xd1\xb4\xe6\xd4\xda,\xd2\xaa\xb8\xb2\xb8\xc7\xc2\xf0?";
}

bool InstallFile(int index, const InstallContext& context, InstallHost& host) {
  if (index < 0 || static_cast<std::size_t>(index) >= context.config.files.size()) return false;
  const FileEntry entry = context.config.files[static_cast<std::size_t>(index)];
  const std::string destination = InstalledPath(entry, context.folders);
  host.CreateDirTree(destination);
  host.SetFileBar(0);

  if (PathExists(destination)) {
    if (entry.copyMode == ASK_COPY) {
      if (host.AskOverwrite(OverwriteQuestion(destination, IsEnglish(context.config))) != 2) return false;
    } else if (entry.copyMode != ALWAYS_COPY) {
      return false;
    }
  }

  // A disk the package cannot have: its offsets address no file we know.
  if (entry.disk < 0 || entry.disk > kDiskCount) return false;
  const std::string source = SourceOf(index, entry, context, host);
  const bool copied =
      entry.compressed
          ? ExtractZipMember(source, destination, entry.offset, entry.size, context.delayMs,
                             context.reportProgress ? &host : nullptr)
          : CopyByteRange(destination, source, entry.offset, entry.size, context.delayMs, host);
  if (!copied) return false;

  if (const auto date = ParseFileDate(entry.date)) host.ApplyFileDate(destination, *date);
  if (IsSelfRegistering(destination)) host.RegisterServer(destination);
  host.SetFileBar(100);
  return true;
}

bool CopyByteRange(const std::string& destination, const std::string& source, std::int64_t offset,
                   std::int64_t size, std::int64_t delayMs, InstallHost& host) {
  File in = File::OpenRead(source);
  if (!in.IsOpen()) return false;
  if (size == -1) size = in.Size() - offset;
  ClearFileAttributes(destination);
  File out = File::CreateTruncate(destination);
  if (!out.IsOpen()) return false;
  if (offset < 0 || !in.Seek(offset)) return true;

  const PlainCopyPlan plan = PlanPlainCopy(size, delayMs);
  std::vector<char> buffer(static_cast<std::size_t>(plan.chunk));
  // A source that ends early stops the copy: what was read is the file.
  for (std::int64_t remaining = size, index = 0; remaining > 0; ++index) {
    const auto want = static_cast<std::size_t>(std::min(remaining, plan.chunk));
    const std::size_t got = in.Read(buffer.data(), want);
    if (got == 0 || !out.Write(buffer.data(), got)) break;
    remaining -= static_cast<std::int64_t>(got);
    if (const auto position = PlainCopyBarPosition(plan, index)) host.SetFileBar(*position);
    host.Pause(plan.pauseMs);
  }
  return true;
}

bool ExtractZipMember(const std::string& source, const std::string& destination, std::int64_t offset,
                      std::int64_t size, std::int64_t delayMs, InstallHost* progress) {
  if (!PathExists(source)) return false;
  const ZipRange range{source, offset, size};
  unzFile zip = OpenZipInPlace(range);
  if (!zip) return false;
  unz_file_info64 info{};
  if (unzOpenCurrentFile(zip) != UNZ_OK || unzGetCurrentFileInfo64(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) {
    unzClose(zip);
    return false;
  }
  const auto declared = static_cast<std::int64_t>(std::min<ZPOS64_T>(info.uncompressed_size, INT64_MAX));
  File out = IsReadOnlyFile(destination) ? File() : File::CreateTruncate(destination);
  if (!out.IsOpen()) {
    unzClose(zip);
    return false;
  }
  const UnzipPlan plan = PlanUnzip(declared, delayMs);
  std::vector<char> buffer(static_cast<std::size_t>(plan.chunk));
  std::int64_t written = 0;
  for (std::int64_t index = 0;; ++index) {
    // Never more than the member declares, so a crafted member cannot fill the disk; a member
    // that is done reads as its end, as a well-formed one would.
    const auto want = static_cast<unsigned>(std::min(plan.chunk, declared - written));
    const int n = want == 0 ? 0 : unzReadCurrentFile(zip, buffer.data(), want);
    if (n > 0) {
      out.Write(buffer.data(), static_cast<std::size_t>(n));
      written += n;
    }
    if (progress) {
      if (const auto percent = UnzipReport(plan, index)) {
        progress->ReportUnzipProgress(*percent);
        progress->Pause(plan.pauseMs);
      }
    }
    if (n != static_cast<int>(plan.chunk)) break;
  }
  unzClose(zip);  // its checksum verdict does not matter: what was read is the file
  return true;
}

}  // namespace sk
