#include "setup_log.h"

#include "gbk.h"

namespace sk {

std::string SetupLogLine(std::string_view text) {
  std::string line;
  line.reserve(text.size() + 3);
  for (char c : text) {
    if (c == '\n') line += '\r';  // text mode writes every LF as CR LF
    line += c;
  }
  line += "\r\r\n";
  return line;
}

std::string SetupLogHeadBytes(const SetupLogHead& head) {
  std::string out = SetupLogLine(kFileListHeader);
  for (const auto& file : head.files) out += SetupLogLine(file);
  out += SetupLogLine("");
  out += SetupLogLine(kTypeListHeader);
  for (const auto& ext : head.extensions)
    if (!ext.empty()) out += SetupLogLine(ext);
  out += SetupLogLine("");
  out += SetupLogLine(kRightClickHeader);
  if (!head.fileMenuName.empty()) out += SetupLogLine(std::string(kFileMenuPrefix) + head.fileMenuName);
  if (!head.folderMenuName.empty()) out += SetupLogLine(std::string(kFolderMenuPrefix) + head.folderMenuName);
  out += SetupLogLine("");
  out += SetupLogLine(kShortcutListHeader);
  return out;
}

std::string SetupLogReader::ReadLogLine() {
  if (pos_ >= bytes_.size()) return {};
  const std::size_t lf = bytes_.find('\n', pos_);
  std::size_t end = lf == std::string::npos ? bytes_.size() : lf;
  std::string line = bytes_.substr(pos_, end - pos_);
  pos_ = lf == std::string::npos ? bytes_.size() : lf + 1;
  if (lf != std::string::npos && !line.empty() && line.back() == '\r') line.pop_back();
  if (!line.empty()) line.pop_back();
  return line;
}

std::vector<std::string> SetupLogReader::ReadSection() {
  std::vector<std::string> lines;
  for (std::string line; !(line = ReadLogLine()).empty();) lines.push_back(std::move(line));
  return lines;
}

RightClickEntry ParseRightClickLine(std::string_view line) {
  const std::size_t at = FindFirstBackslash(line);
  if (at == std::string_view::npos) return {false, std::string(line)};
  const std::string_view kind = line.substr(0, at);
  constexpr std::string_view kFile = "file";
  bool allFiles = kind.size() == kFile.size();
  for (std::size_t i = 0; allFiles && i < kind.size(); ++i)
    allFiles = (kind[i] | 0x20) == kFile[i];  // ASCII letters only: "FILE" in any case
  return {allFiles, std::string(line.substr(at + 1))};
}

SetupLogContent ReadSetupLog(std::string bytes) {
  SetupLogReader reader(std::move(bytes));
  SetupLogContent log;
  reader.ReadLogLine();
  log.files = reader.ReadSection();
  reader.ReadLogLine();
  for (auto& ext : reader.ReadSection())
    if (ext.size() <= kMaxExtensionBytes) log.extensions.push_back(std::move(ext));
  reader.ReadLogLine();
  for (const auto& line : reader.ReadSection()) log.rightClicks.push_back(ParseRightClickLine(line));
  reader.ReadLogLine();
  log.shortcuts = reader.ReadSection();
  return log;
}

}  // namespace sk
