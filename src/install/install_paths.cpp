#include "install/install_paths.h"

#include "package/gbk.h"
#include "package/setup_layout.h"

namespace sk {
namespace {

// The default-folder macros, in GBK.
constexpr std::string_view kWindowsMacro = "WINDOWS\xc4\xbf\xc2\xbc";     // WINDOWS目录
constexpr std::string_view kSystemMacro = "\xcf\xb5\xcd\xb3\xc4\xbf\xc2\xbc";  // 系统目录
constexpr std::string_view kDocumentsMacro = "\xce\xd2\xb5\xc4\xce\xc4\xb5\xb5";  // 我的文档
constexpr std::string_view kFirstDriveMacro = "\xca\xd7\xc7\xfd\xb6\xaf\xc6\xf7";  // 首驱动器
constexpr std::string_view kSystemDriveMacro = "\xcf\xb5\xcd\xb3\xc7\xfd\xb6\xaf\xc6\xf7";  // 系统驱动器

constexpr auto npos = std::string_view::npos;

// The text before its first or last backslash; empty when it has none.
std::string BeforeFirstBackslash(std::string_view text) {
  const std::size_t at = FindFirstBackslash(text);
  return std::string(at == npos ? std::string_view() : text.substr(0, at));
}

std::string BeforeLastBackslash(std::string_view text) {
  const std::size_t at = FindLastBackslash(text);
  return std::string(at == npos ? std::string_view() : text.substr(0, at));
}

}  // namespace

BaseFolders MakeBaseFolders(const PlatformFolders& platform, const std::string& installFolder) {
  BaseFolders f;
  f.windows = platform.windowsDir;
  f.system = platform.systemDir;
  f.temp = WithoutBackslash(platform.tempPath);
  f.user = BeforeLastBackslash(platform.documentsDir);
  f.sysDrive = BeforeFirstBackslash(platform.documentsDir);
  f.install = WithoutBackslash(installFolder);
  return f;
}

std::string ResolveFolderMacro(std::string_view macro, const PlatformFolders& platform) {
  std::string folder;
  if (macro == kWindowsMacro) {
    folder = platform.windowsDir;
  } else if (macro == kSystemMacro) {
    folder = platform.systemDir;
  } else if (macro == kDocumentsMacro) {
    folder = platform.documentsDir;
  } else if (macro == kFirstDriveMacro) {
    folder = "C:";
  } else if (macro == kSystemDriveMacro) {
    folder = BeforeFirstBackslash(platform.windowsDir);
  } else {
    const std::size_t at = FindFirstBackslash(platform.windowsDir);
    folder = (at == npos ? std::string() : platform.windowsDir.substr(0, at + 1)) + "Program Files";
  }
  return WithBackslash(std::move(folder));
}

const std::string& BaseFolderOf(const BaseFolders& folders, std::int32_t folderKind) {
  switch (folderKind) {
    case WINDOWS_FOLDER: return folders.windows;
    case SYSTEM_FOLDER: return folders.system;
    case TEMP_FOLDER: return folders.temp;
    case USER_FOLDER: return folders.user;
    case SYSDRIVER_FOLDER: return folders.sysDrive;
    default: return folders.install;
  }
}

std::string InstalledPath(const FileEntry& entry, const BaseFolders& folders) {
  return WithBackslash(WithBackslash(BaseFolderOf(folders, entry.folderKind)) + entry.subFolder) +
         entry.name;
}

std::string ResolveFolderPath(std::string_view text, const BaseFolders& folders) {
  const std::size_t at = FindFirstBackslash(text);
  const std::string_view keyword = at == npos ? std::string_view() : text.substr(0, at);
  const std::string_view rest = at == npos ? text : text.substr(at);
  return BaseFolderOf(folders, FolderKindFromKeyword(keyword)) + std::string(rest);
}

std::vector<std::string> DirTreePrefixes(std::string_view path) {
  std::vector<std::string> prefixes;
  for (std::size_t from = 0;;) {
    const std::size_t at = FindFirstBackslash(path.substr(from));
    if (at == npos) break;
    prefixes.emplace_back(path.substr(0, from + at));
    from += at + 1;
  }
  return prefixes;
}

bool IsSelfRegistering(std::string_view path) {
  const std::size_t dot = path.rfind('.');
  if (dot == npos || path.size() - dot != 4) return false;
  std::string ext(path.substr(dot + 1));
  for (char& c : ext) c = static_cast<char>(c | 0x20);
  return ext == "dll" || ext == "ocx";
}

}  // namespace sk
