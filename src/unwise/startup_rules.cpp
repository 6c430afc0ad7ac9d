#include "unwise/startup_rules.h"

#include "package/setup_log.h"

namespace sk {
namespace {

std::string_view FileNameOf(std::string_view path) {
  const std::size_t slash = path.find_last_of("\\/");
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

}  // namespace

bool IsRelocatedCopy(std::string_view ownPath) {
  std::string_view name = FileNameOf(ownPath);
  const std::size_t dot = name.rfind('.');
  if (dot != std::string_view::npos) name = name.substr(0, dot);
  const std::string_view copy = kRelocatedName;
  return EqualsIgnoringCase(name, copy.substr(0, copy.rfind('.')));
}

std::string LogPathFromCommandLine(std::string_view commandLine) {
  if (!commandLine.empty() && commandLine.front() == '"') commandLine.remove_prefix(1);
  if (!commandLine.empty() && commandLine.back() == '"') commandLine.remove_suffix(1);
  return std::string(commandLine);
}

std::string LogBeside(std::string_view ownPath) {
  const std::size_t slash = ownPath.rfind('\\');
  const std::string_view folder = slash == std::string_view::npos ? std::string_view() : ownPath.substr(0, slash + 1);
  return std::string(folder) + std::string(kSetupLogName);
}

std::string LogFolderOf(std::string_view logPath) {
  const std::size_t slash = logPath.rfind('\\');
  return slash == std::string_view::npos ? std::string() : std::string(logPath.substr(0, slash));
}

bool IsLogName(std::string_view path) {
  const std::size_t slash = path.rfind('\\');
  return EqualsIgnoringCase(slash == std::string_view::npos ? path : path.substr(slash + 1), kSetupLogName);
}

}  // namespace sk
