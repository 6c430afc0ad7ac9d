#include <cstdlib>
#include <string>

#include "setup_config.h"
#include "setup_layout.h"
#include "token_visitors.h"

namespace sk {
namespace {

struct Keyword {
  std::string_view word;
  std::int32_t value;
};

constexpr Keyword kFolderKeywords[] = {
    {"WINDOWS_FOLDER", WINDOWS_FOLDER}, {"SYSTEM_FOLDER", SYSTEM_FOLDER},
    {"TEMP_FOLDER", TEMP_FOLDER},       {"USER_FOLDER", USER_FOLDER},
    {"SYSDRIVER_FOLDER", SYSDRIVER_FOLDER}, {"INSTALL_FOLDER", INSTALL_FOLDER},
};

constexpr Keyword kCopyKeywords[] = {
    {"NOTEXIST_COPY", NOTEXIST_COPY}, {"ASK_COPY", ASK_COPY}, {"ALWAYS_COPY", ALWAYS_COPY}};

template <std::size_t N>
std::int32_t ValueOf(const Keyword (&table)[N], std::string_view word, std::int32_t otherwise) {
  for (const auto& k : table)
    if (k.word == word) return k.value;
  return otherwise;
}

template <std::size_t N>
std::string_view WordOf(const Keyword (&table)[N], std::int32_t value, std::string_view otherwise) {
  for (const auto& k : table)
    if (k.value == value) return k.word;
  return otherwise;
}

}  // namespace

std::int32_t FolderKindFromKeyword(std::string_view keyword) {
  return ValueOf(kFolderKeywords, keyword, INSTALL_FOLDER);
}
std::string_view FolderKindKeyword(std::int32_t kind) {
  return WordOf(kFolderKeywords, kind, "INSTALL_FOLDER");
}
std::int32_t CopyModeFromKeyword(std::string_view keyword) {
  return ValueOf(kCopyKeywords, keyword, ALWAYS_COPY);
}
std::string_view CopyModeKeyword(std::int32_t mode) {
  return WordOf(kCopyKeywords, mode, "ALWAYS_COPY");
}

double RequiredMegabytes(const SetupConfig& c) {
  if (c.requiredMegabytes.empty()) return c.requiredBytes / 1048576;
  return std::atof(c.requiredMegabytes.c_str());
}

SetupConfig ReadSetupConfig(CTokenList& tokens) {
  SetupConfig config;
  TokenReader reader(tokens);
  VisitSetupHeader(reader, config);
  for (;;) {
    FileEntry entry;
    VisitFileEntryName(reader, entry);
    if (entry.name.empty()) break;  // the last token read
    VisitFileEntryRest(reader, entry);
    config.files.push_back(std::move(entry));
  }
  return config;
}

CTokenList WriteSetupConfig(const SetupConfig& config) {
  CTokenList tokens;
  TokenWriter writer(tokens);
  VisitSetupHeader(writer, config);
  for (const FileEntry& entry : config.files) VisitFileEntry(writer, entry);
  tokens.Append("");  // an empty name ends the file list
  return tokens;
}

}  // namespace sk
