#include "extract.h"

#include <array>
#include <cstdio>
#include <filesystem>

#include "gbk_text.h"
#include "package/file_io.h"
#include "package/gbk.h"
#include "package/range_io.h"
#include "package/setup_layout.h"
#include "package/volume.h"
#include "package_reader.h"
#include "user_error.h"
#include "zip_member.h"

namespace sk::tool {
namespace {

namespace fs = std::filesystem;

class Extractor {
 public:
  Extractor(const OpenedPackage& package, const std::string& folder)
      : package_(package), folder_(fs::u8path(folder)) {}

  void Block(const std::string& name, const BlockRef& ref) {
    if (!ref.present()) return;
    CheckRange(package_.path, package_.fileSize, ref.offset, ref.length, "block " + name);
    CopyOut(package_.path, ref.offset, ref.length, Target({"media", name}));
    ++summary_.blocks;
  }

  void Entry(std::size_t index, const FileEntry& entry, const SetupConfig& config) {
    const std::string what = "file entry " + std::to_string(index + 1) + " '" + GbkToUtf8(entry.name) + "'";
    std::vector<std::string> parts = {"files", std::string(FolderKindKeyword(entry.folderKind))};
    for (auto& p : SafeComponents(entry.subFolder)) parts.push_back(p);
    const auto name = SafeComponents(entry.name);
    if (name.size() != 1) throw UserError("setupkit: " + package_.path + ": " + what + ": unusable file name");
    parts.push_back(name.front());
    const std::string source = SourceOf(entry, config, what);
    std::error_code ec;
    const auto sourceSize = static_cast<std::int64_t>(fs::file_size(fs::u8path(source), ec));
    if (ec) Fail(what, "cannot read '" + source + "'");
    CheckRange(source, sourceSize, entry.offset, entry.size, what);
    const fs::path target = Target(parts);
    if (entry.compressed)
      Unzip(source, entry, target, what);
    else
      CopyOut(source, entry.offset, entry.size, target);
    ++summary_.files;
  }

  ExtractSummary summary() const { return summary_; }

 private:
  [[noreturn]] void Fail(const std::string& what, const std::string& why) const {
    throw UserError("setupkit: " + package_.path + ": " + what + ": " + why);
  }

  void CheckRange(const std::string& source, std::int64_t sourceSize, std::int64_t offset,
                  std::int64_t length, const std::string& what) const {
    if (offset < 0 || length < 0 || offset + length > sourceSize)
      Fail(what, std::to_string(length) + " bytes at " + std::to_string(offset) +
                     " lie outside '" + source + "' of " + std::to_string(sourceSize) + " bytes");
  }

  std::string SourceOf(const FileEntry& entry, const SetupConfig& config, const std::string& what) {
    if (entry.disk == 0) return package_.path;
    if (entry.disk < 0 || entry.disk > kDiskCount) Fail(what, "disk " + std::to_string(entry.disk) + " does not exist");
    const auto name = SafeComponents(config.disks[entry.disk - 1].volumeName);
    if (name.size() != 1) Fail(what, "disk " + std::to_string(entry.disk) + " has no usable volume file name");
    const std::string path = (fs::u8path(package_.path).parent_path() / fs::u8path(name.front())).string();
    File volume = File::OpenRead(path);
    if (!volume.IsOpen()) Fail(what, "cannot read its volume file '" + path + "'");
    std::array<std::uint8_t, VolumeSignature.size()> head{};
    if (volume.Read(head.data(), head.size()) != head.size() || head != VolumeSignature)
      Fail(what, "'" + path + "' is not a volume file");
    return path;
  }

  fs::path Target(const std::vector<std::string>& parts) const {
    fs::path path = folder_;
    for (const auto& p : parts) path /= fs::u8path(p);
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    if (ec) throw UserError("setupkit: cannot create '" + path.parent_path().string() + "': " + ec.message());
    return path;
  }

  void CopyOut(const std::string& source, std::int64_t offset, std::int64_t length, const fs::path& target) {
    if (!ExtractRange(target.string(), source, offset, length))
      throw UserError("setupkit: cannot write '" + target.string() + "'");
  }

  // As setup does: the entry's bytes in a file of their own, "PK" over the first two bytes.
  void Unzip(const std::string& source, const FileEntry& entry, const fs::path& target, const std::string& what) {
    const std::string archive = (folder_ / ".setupkit-entry.zip").string();
    CopyOut(source, entry.offset, entry.size, archive);
    std::string error;
    const bool ok = PatchHead(archive) && ExtractFirstMember(archive, target.string(), error);
    DeleteFilePath(archive);
    if (!ok) Fail(what, error.empty() ? "cannot read its zip archive" : error);
  }

  static bool PatchHead(const std::string& archive) {
    std::FILE* f = std::fopen(archive.c_str(), "r+b");
    if (!f) return false;
    const bool ok = std::fwrite("PK", 1, 2, f) == 2;
    return std::fclose(f) == 0 && ok;
  }

  const OpenedPackage& package_;
  fs::path folder_;
  ExtractSummary summary_;
};

}  // namespace

std::vector<std::string> SafeComponents(const std::string& gbkPath) {
  std::vector<std::string> parts;
  std::string_view rest = gbkPath;
  for (;;) {
    const std::size_t slash = FindFirstBackslash(rest);
    std::string part = GbkToUtf8(rest.substr(0, slash));
    for (char& c : part)
      if (c == '/' || c == '\\' || c == ':') c = '_';
    if (!part.empty() && part != "." && part != "..") parts.push_back(part);
    if (slash == std::string_view::npos) break;
    rest.remove_prefix(slash + 1);
  }
  return parts;
}

ExtractSummary ExtractPackage(const std::string& packagePath, const std::string& folder) {
  const OpenedPackage package = OpenPackage(packagePath);
  Extractor extractor(package, folder);
  if (package.kind == PackageKind::kUninstaller) {
    const UninstallSettings s = ReadUninstaller(package);
    extractor.Block("picture", s.picture);
    extractor.Block("icon.ico", s.icon);
    return extractor.summary();
  }
  const SetupConfig c = ReadSetup(package);
  extractor.Block(c.sideIsFlash ? "side_movie.swf" : "side_picture", c.sidePicture);
  extractor.Block("icon.ico", c.icon);
  extractor.Block("background_picture", c.backgroundPicture);
  extractor.Block("splash_picture", c.splashPicture);
  const auto music = SafeComponents(c.musicExtension);
  extractor.Block("music." + (music.size() == 1 ? music.front() : std::string("bin")), c.music);
  extractor.Block("animation.avi", c.animation);
  for (std::size_t i = 0; i < c.files.size(); ++i) extractor.Entry(i, c.files[i], c);
  return extractor.summary();
}

}  // namespace sk::tool
