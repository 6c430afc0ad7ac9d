// Installing one file entry: the overwrite policy, finding the source (the setup file or a
// volume file on a further disk), the plain copy or the unzip with their visible progress, the
// file's date and self-registration. The machine-facing parts go through InstallHost, which the
// copying page implements over Win32 and tests implement over plain files.
#pragma once

#include <cstdint>
#include <string>

#include "install/file_date.h"
#include "install/install_paths.h"
#include "package/setup_config.h"

namespace sk {

class InstallHost {
 public:
  virtual ~InstallHost() = default;
  // The per-file bar (0 to 100).
  virtual void SetFileBar(int position) = 0;
  // An unzip's progress report; it may pass 100 for small members.
  virtual void ReportUnzipProgress(std::int64_t percent) = 0;
  virtual void Pause(std::int64_t ms) = 0;
  // Shows the overwrite question and returns the answer: 2 replaces the file.
  virtual int AskOverwrite(const std::string& question) = 0;
  // The volume file of entry index's disk is missing: ask for the disk and return when the
  // user has confirmed a folder (or given up, which the page handles).
  virtual void RequestDisk(int entryIndex) = 0;
  // Where the volume file of disk 1 to 7 is looked for, ending in a backslash.
  virtual std::string DiskFolder(int disk) = 0;
  virtual void CreateDirTree(const std::string& path) = 0;
  virtual void ApplyFileDate(const std::string& path, const FileDate& date) = 0;
  virtual void RegisterServer(const std::string& path) = 0;
};

struct InstallContext {
  const SetupConfig& config;
  BaseFolders folders;
  std::string setupPath;      // the running setup file: disk 0
  std::int64_t delayMs = 0;   // the copying page's per-file delay
  bool reportProgress = true; // false: no unzip reports and no pauses (no window to tell)
};

// The overwrite question for a destination, GBK.
std::string OverwriteQuestion(const std::string& destination, bool english);

// Installs entry index. True when the file was written (it counts towards the total progress).
// A source that ends before the entry's size is copied as far as it goes and counts as
// installed, like a damaged zip member; an entry on a disk outside 0 to 7 is not installed.
bool InstallFile(int index, const InstallContext& context, InstallHost& host);

// The plain copy of size bytes at offset (-1: to the end), in about ten visible chunks.
bool CopyByteRange(const std::string& destination, const std::string& source, std::int64_t offset,
                   std::int64_t size, std::int64_t delayMs, InstallHost& host);

// The first member of the zip archive stored at offset (size -1: to the end), read in place
// with its first two bytes taken as "PK". Writes at most the member's declared size.
bool ExtractZipMember(const std::string& source, const std::string& destination, std::int64_t offset,
                      std::int64_t size, std::int64_t delayMs, InstallHost* progress);

}  // namespace sk
