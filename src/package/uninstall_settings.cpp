#include "uninstall_settings.h"

#include "file_io.h"
#include "package_trailer.h"
#include "range_io.h"
#include "setup_loader.h"
#include "token_visitors.h"

namespace sk {

UninstallSettings UninstallSettingsFor(const SetupConfig& config) {
  UninstallSettings s;
  s.productName = config.productName;
  s.removeKeys = config.removeKeys;
  s.removeValues = config.removeValues;
  s.productKey = config.productKey;
  s.language = IsEnglish(config) ? "FALSE" : "TRUE";
  s.finishLabel = config.uiTexts[5];
  s.uninstallLabel = config.uiTexts[6];
  s.filesRemainLabel = config.uiTexts[7];
  s.hintLine = config.uiTexts[17];
  s.displayName = config.uninstallDisplayName;
  return s;
}

CTokenList WriteUninstallSettings(const UninstallSettings& settings) {
  CTokenList tokens;
  TokenWriter writer(tokens);
  VisitUninstallSettings(writer, settings);
  return tokens;
}

UninstallSettings ReadUninstallSettings(CTokenList& tokens) {
  UninstallSettings settings;
  TokenReader reader(tokens);
  VisitUninstallSettings(reader, settings);
  return settings;
}

int WriteUninstallerPackage(const std::string& path, const SetupConfig& config,
                            const UninstallerInputs& inputs) {
  ClearFileAttributes(path);
  File out = File::CreateTruncate(path);
  if (!out.IsOpen()) return 0;
  bool ok = out.Write(inputs.unwiseImage.data(), inputs.unwiseImage.size());
  std::int64_t position = static_cast<std::int64_t>(inputs.unwiseImage.size());

  File setup = File::OpenRead(inputs.setupPath);
  // The setup file's block as far as it exists, appended at position.
  auto appendBlock = [&](const BlockRef& block, BlockRef& placed) {
    placed.offset = static_cast<std::int32_t>(position);
    placed.length = static_cast<std::int32_t>(CopyRange(out, setup, block.offset, block.length));
    position += placed.length;
  };

  UninstallSettings settings = UninstallSettingsFor(config);
  settings.picture.offset = static_cast<std::int32_t>(position);
  if (config.sidePicture.present()) {
    if (config.sideIsFlash) {
      ok = ok && out.Write(inputs.builtinPicture.data(), inputs.builtinPicture.size());
      settings.picture.length = static_cast<std::int32_t>(inputs.builtinPicture.size());
      position += settings.picture.length;
    } else {
      appendBlock(config.sidePicture, settings.picture);
    }
  }
  settings.icon.offset = static_cast<std::int32_t>(position);
  if (config.icon.present()) appendBlock(config.icon, settings.icon);

  const std::string block = ScrambledBlock(WriteUninstallSettings(settings));
  const std::string trailer = FormatPackageTrailer(
      {static_cast<std::int32_t>(block.size()), static_cast<std::int32_t>(position)});
  ok = ok && out.Write(block.data(), block.size()) && out.Write(trailer.data(), trailer.size());
  return ok ? 1 : 0;
}

int LoadUninstallerConfig(const std::string& ownPath, const std::string& tempFolder,
                          UninstallSettings& settings) {
  settings.picture.length = 0;
  settings.icon.length = 0;
  const auto trailer = ReadPackageTrailer(ownPath);
  if (!trailer) return 0;
  const std::string temp = JoinPath(tempFolder, kConfigTempName);
  CTokenList tokens;
  if (!ExtractRange(temp, ownPath, trailer->offset, trailer->length) ||
      !tokens.LoadFile(temp, kPackageKey))
    return 0;
  settings = ReadUninstallSettings(tokens);
  DeleteFilePath(temp);
  return 1;
}

}  // namespace sk
