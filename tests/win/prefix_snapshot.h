// What a Wine prefix holds, taken before and after a test changes the machine: every file and
// folder below a root, and every registry key with its values as `reg export` writes them.
// Comparing two snapshots shows everything a program left behind or took away.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

namespace sk::test {

struct PrefixSnapshot {
  std::set<std::string> paths;                              // lower case; folders end in a backslash
  std::map<std::string, std::set<std::string>> registry;    // key path (lower case) -> its value lines
  bool complete = false;                                     // every export ran and was read
};

// Walks the file roots (without following reparse points, and leaving scratchFolder out) and
// exports the registry roots ("HKCR", "HKCU", "HKLM") through reg.exe into scratchFolder.
PrefixSnapshot TakeSnapshot(const std::vector<std::string>& fileRoots, const std::vector<std::string>& registryRoots,
                            const std::string& scratchFolder);

// Differences that are expected, each with the reason it is allowed: a path or key is allowed
// when it starts with the prefix, or with `whole` when it is the prefix itself (compared in
// lower case).
struct AllowedChange {
  std::string prefix;
  std::string reason;
  bool whole = false;
};

struct SnapshotDifference {
  std::vector<std::string> addedPaths, removedPaths;
  std::vector<std::string> addedKeys, removedKeys, changedKeys;
  bool empty() const {
    return addedPaths.empty() && removedPaths.empty() && addedKeys.empty() && removedKeys.empty() && changedKeys.empty();
  }
};

SnapshotDifference Compare(const PrefixSnapshot& before, const PrefixSnapshot& after,
                           const std::vector<AllowedChange>& allowedPaths,
                           const std::vector<AllowedChange>& allowedKeys);

// One line per difference, for a failing test's message.
std::string Describe(const SnapshotDifference& difference);

// The lines of a .reg file (reg export writes UTF-16 with a byte-order mark) grouped by key;
// continued value lines are joined.
std::map<std::string, std::set<std::string>> ParseRegExport(const std::string& fileBytes);

}  // namespace sk::test
