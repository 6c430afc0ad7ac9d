#include "output_files.h"

#include <filesystem>

#include "user_error.h"

namespace sk::tool {

namespace fs = std::filesystem;

PendingFile::PendingFile(std::string finalPath)
    : finalPath_(std::move(finalPath)), tempPath_(finalPath_ + ".setupkit-partial") {
  file_ = File::CreateTruncate(tempPath_);
  if (!file_.IsOpen()) throw UserError("setupkit: cannot create '" + finalPath_ + "'");
}

PendingFile::~PendingFile() {
  if (committed_) return;
  file_.Close();
  DeleteFilePath(tempPath_);
}

void PendingFile::Write(const void* bytes, std::size_t count) {
  if (!file_.Write(bytes, count)) throw std::runtime_error("cannot write '" + tempPath_ + "'");
  position_ += static_cast<std::int64_t>(count);
}

void PendingFile::Commit() {
  file_.Close();
  std::error_code ec;
  fs::rename(fs::u8path(tempPath_), fs::u8path(finalPath_), ec);
  if (ec) throw std::runtime_error("cannot rename '" + tempPath_ + "': " + ec.message());
  committed_ = true;
}

ScratchFolder::ScratchFolder(std::string path) : path_(std::move(path)) {
  std::error_code ec;
  fs::create_directories(fs::u8path(path_), ec);
  if (ec) throw UserError("setupkit: cannot create '" + path_ + "'");
}

ScratchFolder::~ScratchFolder() {
  std::error_code ec;
  fs::remove_all(fs::u8path(path_), ec);
}

std::string ScratchFolder::File(const std::string& name) const { return JoinPath(path_, name); }

}  // namespace sk::tool
