#include "unwise/win_file_removal.h"

#include <windows.h>

#include "unwise/removal_rules.h"
#include "unwise/win_protected_folders.h"

namespace sk {
namespace {

bool IsDots(const char* name) { return name[0] == '.' && (!name[1] || (name[1] == '.' && !name[2])); }

// Calls visit(path, isFolder) for each entry of folder other than "." and "..".
template <class Visit>
void ForEachEntry(const std::string& folder, Visit visit) {
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA((folder + "\\*.*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    if (IsDots(entry.cFileName)) continue;
    const bool isFolder = entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
    const bool isLink = entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT;
    visit(folder + "\\" + entry.cFileName, isFolder, isLink);
  } while (FindNextFileA(find, &entry));
  FindClose(find);
}

std::string WithoutTrailingBackslash(std::string folder) {
  while (folder.size() > 1 && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
  return folder;
}

void CollectFiles(const std::string& folder, std::vector<std::string>& out) {
  ForEachEntry(folder, [&](const std::string& path, bool isFolder, bool isLink) {
    if (!isFolder) out.push_back(path);
    else if (!isLink) CollectFiles(path, out);
  });
}

}  // namespace

std::optional<std::int64_t> FileSizeOf(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return std::nullopt;
  return static_cast<std::int64_t>((static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow);
}

bool DeleteFileNormal(const std::string& path) {
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  return DeleteFileA(path.c_str()) != 0;
}

void EmptyFolder(const std::string& folder) {
  // A linked folder (junction, symbolic link) is unlinked, never followed: what it points to
  // is not ours.
  ForEachEntry(WithoutTrailingBackslash(folder), [](const std::string& path, bool isFolder, bool isLink) {
    if (!isFolder) {
      DeleteFileNormal(path);
      return;
    }
    if (!isLink) EmptyFolder(path);
    RemoveDirectoryA(path.c_str());
  });
}

void RemoveFolderTree(const std::string& folder) {
  if (!MayRemoveTree(folder, ProtectedFolders())) return;
  const std::string tree = WithoutTrailingBackslash(folder);
  EmptyFolder(tree);
  RemoveDirectoryA(tree.c_str());
}

std::vector<std::string> ListRemainingFiles(const std::string& folder) {
  std::vector<std::string> files;
  CollectFiles(WithoutTrailingBackslash(folder), files);
  return files;
}

}  // namespace sk
