// The uninstaller's decisions, apart from the machine: what a registry spec names, which keys
// and folders must never go whatever a log or a package says, the program-group walk, the
// pacing and the status line's shortened paths.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "package/registry_layout.h"

namespace sk {

struct KeySpec {
  RegRoot root;
  std::string path;
};
struct ValueSpec {
  RegRoot root;
  std::string path;  // may be empty: a value of the root key itself
  std::string name;
};

// ROOT|key: the root before the first "|", the key after the last; one backslash at each end
// of the key dropped. Nothing for an unknown root or an empty key.
std::optional<KeySpec> ParseKeySpec(std::string_view spec);
// ROOT|key|value: the key between the first and the last "|". Nothing for an unknown root or
// an empty value name.
std::optional<ValueSpec> ParseValueSpec(std::string_view spec);

// Whether deleting this key (with its subkeys) would remove a root or a key that other
// programs share: the key itself is shared, or lies above a shared one. A product's own key
// below them is not shared.
bool IsSharedKey(RegRoot root, std::string_view path);
// Values are refused only in a root key itself.
inline bool IsDeletableValue(const ValueSpec& v) { return !v.path.empty(); }

// Paths compared as the file system does: ASCII letters in either case, "/" as "\", doubled
// separators as one, no separator at the end. Trail bytes of double-byte characters are left.
std::string NormalizedPath(std::string_view path);
// Whether child lies strictly below parent (both normalised).
bool IsBelow(std::string_view child, std::string_view parent);

// Whether a whole folder tree may be removed: never an empty text, a drive or share root, or
// a protected folder or any folder above one.
bool MayRemoveTree(std::string_view folder, const std::vector<std::string>& protectedFolders);

// The program-group folders to remove for the logged shortcut paths, deepest first: the folder
// of the first shortcut that lies below the Programs folder, and its parents up to (never
// including) the Programs folder.
std::vector<std::string> GroupFoldersToRemove(const std::vector<std::string>& shortcuts,
                                              std::string_view programsFolder);

// Pacing: small uninstallations show their progress for about two seconds.
inline constexpr std::int64_t kUnpacedTotalBytes = 16 * 1024 * 1024;
inline std::int64_t RemovalPausePerFile(std::int64_t count) { return 2000 / (count + 1); }
int RemovalProgress(std::int64_t done, std::int64_t total);

// The status line's form of a path of more than max bytes: drive, "...\", the last folder
// when it fits, the file name.
std::string AbbreviatePath(std::string_view path, std::size_t max);

}  // namespace sk
