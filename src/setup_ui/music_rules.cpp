#include "setup_ui/music_rules.h"

#include "package/gbk.h"

namespace sk {

std::string MusicFileName(std::string_view extension) {
  if (extension.empty()) return {};
  const bool leavesFolder = FindFirstBackslash(extension) != std::string_view::npos ||
                            extension.find_first_of("/:") != std::string_view::npos;
  if (leavesFolder) return {};
  return "mirl." + std::string(extension);
}

bool NeedsMidiPreparation(std::string_view path) {
  if (path.size() < 3) return false;
  const std::string_view tail = path.substr(path.size() - 3);
  const auto is = [](char c, char lower) { return c == lower || c == lower - ('a' - 'A'); };
  return is(tail[0], 'm') && is(tail[1], 'i') && is(tail[2], 'd');
}

}  // namespace sk
