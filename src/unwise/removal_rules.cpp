#include "unwise/removal_rules.h"

#include <algorithm>
#include <array>

#include "package/gbk.h"

namespace sk {
namespace {

constexpr auto npos = std::string_view::npos;

// ASCII letters lowered, skipping the trail bytes of double-byte characters.
std::string Folded(std::string_view text) {
  std::string out(text);
  for (std::size_t i = 0; i < out.size(); ++i) {
    if (IsLeadByte(out[i])) {
      ++i;
      continue;
    }
    if (out[i] >= 'A' && out[i] <= 'Z') out[i] = static_cast<char>(out[i] - 'A' + 'a');
  }
  return out;
}

std::string_view TrimOneBackslash(std::string_view path) {
  if (!path.empty() && path.front() == '\\') path.remove_prefix(1);
  if (EndsWithBackslash(path)) path.remove_suffix(1);
  return path;
}

// Keys shared by many programs, per root, in lower case without separators at the ends.
// Deleting one of them, or a key above one, would take other programs' data with it.
constexpr std::string_view kSharedUserKeys[] = {
    "software", "software\\microsoft", "software\\microsoft\\windows",
    "software\\microsoft\\windows\\currentversion", "software\\microsoft\\windows\\currentversion\\uninstall",
    "software\\microsoft\\windows\\currentversion\\run", "software\\microsoft\\windows\\currentversion\\runonce",
    "software\\microsoft\\windows\\currentversion\\explorer", "software\\microsoft\\windows nt",
    "software\\microsoft\\windows nt\\currentversion", "software\\classes", "software\\policies",
    "software\\wine", "software\\wow6432node", "control panel", "environment", "console",
    "keyboard layout", "printers", "network", "appevents", "identities", "system", "volatile environment"};
constexpr std::string_view kSharedMachineKeys[] = {
    "software", "software\\microsoft", "software\\microsoft\\windows",
    "software\\microsoft\\windows\\currentversion", "software\\microsoft\\windows\\currentversion\\uninstall",
    "software\\microsoft\\windows\\currentversion\\run", "software\\microsoft\\windows\\currentversion\\runonce",
    "software\\microsoft\\windows\\currentversion\\app paths",
    "software\\microsoft\\windows\\currentversion\\explorer",
    "software\\microsoft\\windows\\currentversion\\shareddlls", "software\\microsoft\\windows nt",
    "software\\microsoft\\windows nt\\currentversion", "software\\classes", "software\\policies",
    "software\\wine", "software\\wow6432node", "software\\clients", "system", "system\\currentcontrolset",
    "system\\currentcontrolset\\services", "system\\currentcontrolset\\control", "hardware", "sam", "security"};
constexpr std::string_view kSharedClassKeys[] = {
    "*", "*\\shell", "*\\shellex", "folder", "folder\\shell", "folder\\shellex", "directory",
    "directory\\shell", "directory\\background", "directory\\shellex", "drive", "drive\\shell",
    "allfilesystemobjects", "clsid", "interface", "typelib", "appid", "applications",
    "systemfileassociations", "mime", "unknown", "exefile", "lnkfile", "batfile", "cmdfile", "comfile",
    "txtfile", "htmlfile", "inifile", "regfile", "dllfile", "http", "https", "file", ".exe", ".lnk",
    ".bat", ".cmd", ".com", ".txt", ".htm", ".html", ".ini", ".reg", ".dll", ".zip"};
constexpr std::string_view kSharedConfigKeys[] = {"software", "system"};

// Every run of backslashes as one; backslashes inside double-byte characters are kept.
std::string CollapsedBackslashes(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  bool afterSeparator = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsLeadByte(text[i]) && i + 1 < text.size()) {
      out += text[i];
      out += text[++i];
      afterSeparator = false;
      continue;
    }
    const bool separator = text[i] == '\\';
    if (!(separator && afterSeparator)) out += text[i];
    afterSeparator = separator;
  }
  return out;
}

template <std::size_t N>
bool IsAtOrAboveOneOf(std::string_view path, const std::string_view (&shared)[N]) {
  for (std::string_view key : shared)
    if (key == path || (key.size() > path.size() && key.substr(0, path.size()) == path && key[path.size()] == '\\'))
      return true;
  return false;
}

bool StartsWithKey(std::string_view path, std::string_view prefix, std::string_view& rest) {
  if (path.substr(0, prefix.size()) != prefix || (path.size() > prefix.size() && path[prefix.size()] != '\\'))
    return false;
  rest = path.size() > prefix.size() ? path.substr(prefix.size() + 1) : std::string_view();
  return true;
}

}  // namespace

std::optional<KeySpec> ParseKeySpec(std::string_view spec) {
  const std::size_t first = spec.find('|'), last = spec.rfind('|');
  if (first == npos) return std::nullopt;
  const auto root = ParseRootName(spec.substr(0, first));
  const std::string_view path = TrimOneBackslash(spec.substr(last + 1));
  if (!root || path.empty()) return std::nullopt;
  return KeySpec{*root, std::string(path)};
}

std::optional<ValueSpec> ParseValueSpec(std::string_view spec) {
  const std::size_t first = spec.find('|'), last = spec.rfind('|');
  if (first == npos) return std::nullopt;
  const auto root = ParseRootName(spec.substr(0, first));
  const std::string_view name = spec.substr(last + 1);
  if (!root || name.empty()) return std::nullopt;
  const std::string_view path = first == last ? std::string_view() : spec.substr(first + 1, last - first - 1);
  return ValueSpec{*root, std::string(TrimOneBackslash(path)), std::string(name)};
}

bool IsSharedKey(RegRoot root, std::string_view rawPath) {
  const std::string normalized = NormalizedPath(rawPath);
  std::string_view path = normalized;
  if (path.empty()) return true;  // the root itself
  std::string_view rest;
  switch (root) {
    case RegRoot::ClassesRoot:
      return IsAtOrAboveOneOf(path, kSharedClassKeys);
    case RegRoot::CurrentUser:
      if (StartsWithKey(path, "software\\classes", rest) && !rest.empty()) return IsAtOrAboveOneOf(rest, kSharedClassKeys);
      return IsAtOrAboveOneOf(path, kSharedUserKeys);
    case RegRoot::LocalMachine:
      if (StartsWithKey(path, "software\\classes", rest) && !rest.empty()) return IsAtOrAboveOneOf(rest, kSharedClassKeys);
      return IsAtOrAboveOneOf(path, kSharedMachineKeys);
    case RegRoot::Users: {
      // HKEY_USERS\<user>\... is that user's HKEY_CURRENT_USER.
      const std::size_t sep = path.find('\\');
      if (sep == npos) return true;
      return IsSharedKey(RegRoot::CurrentUser, path.substr(sep + 1));
    }
    case RegRoot::CurrentConfig:
      return IsAtOrAboveOneOf(path, kSharedConfigKeys);
  }
  return true;
}

std::string NormalizedPath(std::string_view path) {
  std::string unified(path);
  std::replace(unified.begin(), unified.end(), '/', '\\');
  const std::string collapsed = CollapsedBackslashes(unified);
  // Resolve components as Windows does: trailing dots and blanks dropped, "." staying, ".."
  // going up (never above the first component, the drive).
  std::vector<std::string> parts;
  const bool leading = !collapsed.empty() && collapsed[0] == '\\';
  std::string_view rest = collapsed;
  if (leading) rest.remove_prefix(1);
  while (!rest.empty()) {
    const std::size_t at = FindFirstBackslash(rest);
    std::string part(rest.substr(0, at));
    rest = at == npos ? std::string_view() : rest.substr(at + 1);
    // Dots and blanks are never trail bytes, so trimming them cannot split a character.
    while (!part.empty() && part.back() == ' ') part.pop_back();
    const bool up = part == "..";
    while (!part.empty() && (part.back() == '.' || part.back() == ' ')) part.pop_back();
    if (up) {
      if (parts.size() > 1) parts.pop_back();
    } else if (!part.empty()) {
      parts.push_back(part);
    }
  }
  std::string out = leading ? "\\" : "";
  for (std::size_t i = 0; i < parts.size(); ++i) out += (i ? "\\" : "") + parts[i];
  return Folded(out);
}

bool IsBelow(std::string_view child, std::string_view parent) {
  return child.size() > parent.size() + 1 && child.substr(0, parent.size()) == parent &&
         child[parent.size()] == '\\';
}

bool MayRemoveTree(std::string_view folder, const std::vector<std::string>& protectedFolders) {
  const std::string f = NormalizedPath(folder);
  // Absolute paths only, and never a drive root, a share root or a volume prefix.
  const bool onDrive = f.size() > 3 && f[1] == ':' && f[2] == '\\';
  const bool onShare = f.size() > 1 && f[0] == '\\' && std::count(f.begin(), f.end(), '\\') > 2;
  if (!onDrive && !onShare) return false;
  for (const auto& p : protectedFolders) {
    const std::string n = NormalizedPath(p);
    if (!n.empty() && (n == f || IsBelow(n, f))) return false;
  }
  return true;
}

std::vector<std::string> GroupFoldersToRemove(const std::vector<std::string>& shortcuts,
                                              std::string_view programsFolder) {
  const std::string programs = NormalizedPath(programsFolder);
  std::vector<std::string> folders;
  if (programs.empty()) return folders;
  for (const auto& shortcut : shortcuts) {
    const std::string path = NormalizedPath(shortcut);
    if (!IsBelow(path, programs)) continue;
    // The shortcut's folder and its parents, while they lie below the Programs folder.
    for (std::string folder = path.substr(0, FindLastBackslash(path)); IsBelow(folder, programs);
         folder.resize(FindLastBackslash(folder)))
      folders.push_back(folder);
    break;
  }
  return folders;
}

int RemovalProgress(std::int64_t done, std::int64_t total) {
  if (total <= 0) return 0;
  return static_cast<int>(static_cast<double>(done) / (static_cast<double>(total) * 0.001));
}

std::string AbbreviatePath(std::string_view path, std::size_t max) {
  if (path.size() <= max) return std::string(path);
  const std::size_t first = FindFirstBackslash(path), last = FindLastBackslash(path);
  const std::string_view head = first == npos ? std::string_view() : path.substr(0, first + 1);
  const std::string_view tail = last == npos ? path : path.substr(last);
  if (head.size() + 4 + tail.size() > max) return "..." + std::string(tail);
  std::string_view folder;
  if (last != npos) {
    const std::string_view before = path.substr(0, last);
    const std::size_t prev = FindLastBackslash(before);
    folder = prev == npos ? before : before.substr(prev + 1);
    if (folder.size() > max - tail.size() - head.size() - 4) folder = {};
  }
  return CollapsedBackslashes(std::string(head) + "...\\" + std::string(folder) + std::string(tail));
}

}  // namespace sk
