#include "package_writer.h"

#include <array>
#include <deque>
#include <filesystem>
#include <future>
#include <limits>
#include <memory>
#include <thread>

#include "output_files.h"
#include "package/package_trailer.h"
#include "package/setup_config.h"
#include "package/token_list.h"
#include "package/volume.h"
#include "stub_check.h"
#include "user_error.h"
#include "zip_member.h"

namespace sk::tool {
namespace {

namespace fs = std::filesystem;

constexpr std::int64_t kMaxOffset = std::numeric_limits<std::int32_t>::max();

std::int64_t FileSize(const std::string& path) {
  std::error_code ec;
  const auto size = fs::file_size(fs::path(path), ec);
  return ec ? 0 : static_cast<std::int64_t>(size);
}

// The bytes to store for one entry: the file itself, or its zip archive in the scratch folder.
struct PreparedEntry {
  std::string path;
  bool ok = true;
};

class Writer {
 public:
  Writer(Manifest& manifest, const BuildOptions& options, ProgressBar& progress)
      : m_(manifest),
        options_(options),
        progress_(progress),
        out_(options.outputPath),
        scratch_(options.outputPath + ".setupkit-work") {}

  void Run() {
    std::int64_t total = FileSize(options_.stubPath);
    for (const auto* block : Blocks()) total += block->has_value() ? FileSize((*block)->path) : 0;
    for (const FileSource& s : m_.sources) total += FileSize(s.path);
    progress_.Start(total, m_.sources.size());

    AppendFile(out_, options_.stubPath, "the stub", {0, "stub"});
    WriteMedia();
    OpenVolumes();
    WriteFiles();
    WriteConfiguration();
    for (auto& volume : volumes_)
      if (volume) volume->Commit();
    out_.Commit();
    progress_.Finish();
  }

 private:
  std::array<std::optional<BlockSource>*, 6> Blocks() {
    return {&m_.sidePicture, &m_.icon,  &m_.backgroundPicture,
            &m_.splashPicture, &m_.music, &m_.animation};
  }

  void WriteMedia() {
    SetupConfig& c = m_.config;
    const std::array<BlockRef*, 6> refs = {&c.sidePicture,   &c.icon,  &c.backgroundPicture,
                                           &c.splashPicture, &c.music, &c.animation};
    const auto blocks = Blocks();
    for (std::size_t i = 0; i < blocks.size(); ++i) {
      if (!blocks[i]->has_value()) continue;
      const BlockSource& source = **blocks[i];
      const std::int64_t offset = out_.position();
      const std::int64_t length = AppendFile(out_, source.path, "the file", source.origin);
      *refs[i] = {Checked(length, source.origin), Checked(offset, source.origin)};
    }
  }

  void OpenVolumes() {
    const fs::path folder = fs::path(options_.outputPath).parent_path();
    for (const FileEntry& entry : m_.config.files) {
      if (entry.disk == 0 || volumes_[entry.disk - 1]) continue;
      const std::string& name = m_.config.disks[entry.disk - 1].volumeName;
      auto volume = std::make_unique<PendingFile>((folder / name).string());
      volume->Write(VolumeSignature.data(), VolumeSignature.size());
      volumes_[entry.disk - 1] = std::move(volume);
    }
  }

  PreparedEntry Prepare(std::size_t i) const {
    const FileSource& source = m_.sources[i];
    const std::string archive = scratch_.File(std::to_string(i) + ".zip");
    const bool ok = WriteZipMember(source.path, archive, m_.config.files[i].name,
                                   m_.compressionLevel, source.time);
    return {archive, ok};
  }

  // Compression of the next compressed entries runs on every core while the writer appends
  // what is ready; plain entries need no preparing. Two jobs per core keep every core busy
  // when one entry takes much longer than the next; at most `ahead` archives wait on disk.
  void WriteFiles() {
    const std::size_t ahead = 2 * std::max(1u, std::thread::hardware_concurrency());
    std::deque<std::future<PreparedEntry>> pending;
    std::size_t next = 0;
    for (std::size_t i = 0; i < m_.sources.size(); ++i) {
      while (next < m_.sources.size() && pending.size() < ahead) {
        if (m_.sources[next].compress)
          pending.push_back(std::async(std::launch::async, [this, n = next] { return Prepare(n); }));
        ++next;
      }
      if (!m_.sources[i].compress) {
        WriteEntry(i, {m_.sources[i].path});
        continue;
      }
      PreparedEntry prepared = pending.front().get();
      pending.pop_front();
      WriteEntry(i, prepared);
    }
  }

  void WriteEntry(std::size_t i, const PreparedEntry& prepared) {
    const FileSource& source = m_.sources[i];
    FileEntry& entry = m_.config.files[i];
    if (!prepared.ok) Fail(source.origin, "cannot read or compress '" + source.path + "'");
    PendingFile& target = entry.disk == 0 ? out_ : *volumes_[entry.disk - 1];
    const std::int64_t offset = target.position();
    std::int64_t length;
    if (source.compress) {
      length = target.AppendFile(prepared.path, [](std::int64_t) {});
      DeleteFilePath(prepared.path);
      if (length < 0) Fail(source.origin, "cannot read the compressed '" + source.path + "'");
      progress_.AddBytes(FileSize(source.path));
    } else {
      length = AppendFile(target, source.path, "the file", source.origin);
    }
    entry.offset = Checked(offset, source.origin);
    entry.size = Checked(length, source.origin);
    required_ += FileSize(source.path);
    progress_.FileDone();
  }

  void WriteConfiguration() {
    m_.config.requiredBytes =
        static_cast<std::int32_t>(std::min<std::int64_t>(required_, kMaxOffset));
    const std::string block = ScrambledBlock(WriteSetupConfig(m_.config));
    const std::int64_t offset = out_.position();
    out_.Write(block.data(), block.size());
    const std::string trailer = FormatPackageTrailer(
        {static_cast<std::int32_t>(block.size()), Checked(offset, {0, "product"})});
    out_.Write(trailer.data(), trailer.size());
  }

  std::int64_t AppendFile(PendingFile& target, const std::string& path, const char* what,
                          const Origin& origin) {
    const std::int64_t length =
        target.AppendFile(path, [this](std::int64_t n) { progress_.AddBytes(n); });
    if (length < 0) Fail(origin, std::string("cannot read ") + what + " '" + path + "'");
    return length;
  }

  std::int32_t Checked(std::int64_t value, const Origin& origin) const {
    if (value > kMaxOffset)
      Fail(origin, "the package passes 2 GiB, the most its offsets can address; move files to "
                   "further disks");
    return static_cast<std::int32_t>(value);
  }

  [[noreturn]] void Fail(const Origin& origin, const std::string& message) const {
    throw UserError(FormatManifestError(m_.fileName, origin, message));
  }

  Manifest& m_;
  const BuildOptions& options_;
  ProgressBar& progress_;
  PendingFile out_;
  ScratchFolder scratch_;
  std::array<std::unique_ptr<PendingFile>, kDiskCount> volumes_;
  std::int64_t required_ = 0;
};

}  // namespace

void BuildPackage(Manifest& manifest, const BuildOptions& options, ProgressBar& progress) {
  if (std::string problem = StubProblem(options.stubPath); !problem.empty())
    throw UserError("setupkit: " + problem);
  Writer(manifest, options, progress).Run();
}

}  // namespace sk::tool
