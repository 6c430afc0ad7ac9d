#include "win/prefix_snapshot.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <type_traits>

#include "support/temp_dir.h"
#include "win/driver/program.h"

namespace sk::test {
namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// Every path below folder except those below skipped (the snapshot's own scratch folder).
void WalkFolder(const std::string& folder, const std::string& skipped, std::set<std::string>& paths) {
  WIN32_FIND_DATAA found;
  const HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    const bool isFolder = found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
    const std::string path = folder + name + (isFolder ? "\\" : "");
    const std::string lowered = Lower(path);
    if (lowered.rfind(skipped, 0) == 0) continue;
    paths.insert(lowered);
    // Wine links the profile's shell folders to the host's home: not the prefix's own files.
    if (isFolder && !(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) WalkFolder(path, skipped, paths);
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

std::string Utf8FromUtf16(const std::string& bytes) {
  std::size_t start = bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
                              static_cast<unsigned char>(bytes[1]) == 0xFE
                          ? 2
                          : 0;
  const auto* wide = reinterpret_cast<const wchar_t*>(bytes.data() + start);
  const int count = static_cast<int>((bytes.size() - start) / 2);
  if (count == 0) return "";
  const int size = WideCharToMultiByte(CP_UTF8, 0, wide, count, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide, count, text.data(), size, nullptr, nullptr);
  return text;
}

bool Allowed(const std::string& item, const std::vector<AllowedChange>& allowed) {
  return std::any_of(allowed.begin(), allowed.end(),
                     [&](const AllowedChange& change) {
                       const std::string prefix = Lower(change.prefix);
                       return change.whole ? item == prefix : item.rfind(prefix, 0) == 0;
                     });
}

template <typename Set>
void OneSided(const Set& from, const Set& other, const std::vector<AllowedChange>& allowed,
              std::vector<std::string>& out) {
  for (const auto& item : from) {
    const std::string& name = [&]() -> const std::string& {
      if constexpr (std::is_same_v<Set, std::set<std::string>>)
        return item;
      else
        return item.first;
    }();
    if (!other.count(name) && !Allowed(name, allowed)) out.push_back(name);
  }
}

}  // namespace

std::map<std::string, std::set<std::string>> ParseRegExport(const std::string& fileBytes) {
  std::map<std::string, std::set<std::string>> keys;
  const std::string text = Utf8FromUtf16(fileBytes);
  std::set<std::string>* current = nullptr;
  std::string pending;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(at, end - at);
    at = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!pending.empty()) {
      line.erase(0, line.find_first_not_of(' '));
      line = pending + line;
      pending.clear();
    }
    if (!line.empty() && line.back() == '\\' && line.front() != '[') {
      line.pop_back();
      pending = line;
      continue;
    }
    if (line.size() > 2 && line.front() == '[' && line.back() == ']') {
      current = &keys[Lower(line.substr(1, line.size() - 2))];
    } else if (!line.empty() && current) {
      current->insert(line);
    }
  }
  return keys;
}

PrefixSnapshot TakeSnapshot(const std::vector<std::string>& fileRoots, const std::vector<std::string>& registryRoots,
                            const std::string& scratchFolder) {
  PrefixSnapshot snapshot;
  snapshot.complete = true;
  char system[MAX_PATH];
  GetSystemDirectoryA(system, MAX_PATH);
  // Exporting a whole root takes seconds (HKLM about five here), so the exports run side by
  // side while the files are walked.
  std::vector<std::unique_ptr<gui::Program>> exports;
  for (const std::string& root : registryRoots)
    exports.push_back(std::make_unique<gui::Program>(
        std::string(system) + "\\reg.exe",
        gui::LaunchOptions{"export " + root + " \"" + scratchFolder + root + ".reg\" /y", {}}));
  for (const std::string& root : fileRoots) WalkFolder(root, Lower(scratchFolder), snapshot.paths);
  constexpr DWORD kExportWaitMs = 60000;
  for (std::size_t i = 0; i < registryRoots.size(); ++i) {
    const std::string file = scratchFolder + registryRoots[i] + ".reg";
    const std::string bytes = exports[i]->WaitForExit(kExportWaitMs) == 0u ? ReadAll(file) : "";
    if (bytes.empty()) snapshot.complete = false;
    for (auto& [key, values] : ParseRegExport(bytes)) snapshot.registry[key].insert(values.begin(), values.end());
    DeleteFileA(file.c_str());
  }
  return snapshot;
}

SnapshotDifference Compare(const PrefixSnapshot& before, const PrefixSnapshot& after,
                           const std::vector<AllowedChange>& allowedPaths,
                           const std::vector<AllowedChange>& allowedKeys) {
  SnapshotDifference difference;
  OneSided(after.paths, before.paths, allowedPaths, difference.addedPaths);
  OneSided(before.paths, after.paths, allowedPaths, difference.removedPaths);
  OneSided(after.registry, before.registry, allowedKeys, difference.addedKeys);
  OneSided(before.registry, after.registry, allowedKeys, difference.removedKeys);
  for (const auto& [key, values] : before.registry) {
    const auto later = after.registry.find(key);
    if (later != after.registry.end() && later->second != values && !Allowed(key, allowedKeys))
      difference.changedKeys.push_back(key);
  }
  return difference;
}

std::string Describe(const SnapshotDifference& difference) {
  const std::pair<const char*, const std::vector<std::string>*> kinds[] = {
      {"added file", &difference.addedPaths}, {"removed file", &difference.removedPaths},
      {"added key", &difference.addedKeys},   {"removed key", &difference.removedKeys},
      {"changed key", &difference.changedKeys}};
  std::string text;
  for (const auto& [what, items] : kinds)
    for (const std::string& item : *items) text += std::string(what) + " " + item + "\n";
  return text;
}

}  // namespace sk::test
