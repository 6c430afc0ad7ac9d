#include "package_reader.h"

#include "package/file_io.h"
#include "package/range_io.h"
#include "package/setup_layout.h"
#include "package/token_list.h"
#include "user_error.h"

namespace sk::tool {

namespace {

[[noreturn]] void Damaged(const std::string& path, const std::string& why) {
  throw UserError("setupkit: " + path + ": " + why);
}

// The settings list of an uninstaller is 32 tokens whose last sixteen are a filler word.
bool LooksLikeUninstaller(const std::vector<std::string>& tokens) {
  return tokens.size() == kUninstallSettingTokens + kUninstallFillerTokens &&
         tokens.back() == kUninstallFiller;
}

}  // namespace

std::vector<std::string> SplitTokens(std::string_view text) {
  std::vector<std::string> tokens;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != 0x07 && text[i] != 0x08) continue;
    tokens.emplace_back(text.substr(start, i - start));
    if (text[i] == 0x08) i += 2;
    start = i + 1;
  }
  return tokens;
}

OpenedPackage OpenPackage(const std::string& path) {
  OpenedPackage p;
  p.path = path;
  {
    File file = File::OpenRead(path);
    if (!file.IsOpen()) throw UserError("setupkit: cannot read '" + path + "'");
    p.fileSize = file.Size();
  }
  auto trailer = ReadPackageTrailer(path);
  if (!trailer) Damaged(path, "no package trailer at the end; not a package of ours");
  p.trailer = *trailer;
  if (p.trailer.length <= 0 || p.trailer.offset < 0 ||
      static_cast<std::int64_t>(p.trailer.offset) + p.trailer.length > p.fileSize)
    Damaged(path, "the trailer addresses " + std::to_string(p.trailer.length) + " bytes at " +
                      std::to_string(p.trailer.offset) + ", outside the file of " +
                      std::to_string(p.fileSize) + " bytes");
  auto block = ReadRange(path, p.trailer.length, p.trailer.offset);
  if (!block) throw UserError("setupkit: cannot read '" + path + "'");
  CTokenList list;
  list.LoadBytes(std::string(block->begin(), block->end()), kPackageKey);
  p.tokenText = list.Serialize();
  const auto tokens = SplitTokens(p.tokenText);
  if (LooksLikeUninstaller(tokens))
    p.kind = PackageKind::kUninstaller;
  else if (tokens.size() > static_cast<std::size_t>(kHeaderTokens))
    p.kind = PackageKind::kSetup;
  else
    Damaged(path, "the configuration block is damaged (" + std::to_string(tokens.size()) +
                      " tokens)");
  return p;
}

SetupConfig ReadSetup(const OpenedPackage& package) {
  CTokenList list;
  list.LoadBytes(package.tokenText, "");
  return ReadSetupConfig(list);
}

UninstallSettings ReadUninstaller(const OpenedPackage& package) {
  CTokenList list;
  list.LoadBytes(package.tokenText, "");
  return ReadUninstallSettings(list);
}

}  // namespace sk::tool
