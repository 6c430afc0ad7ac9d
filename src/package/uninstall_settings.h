// The uninstaller file: the unwise program followed by the product's picture and icon, the
// scrambled settings list and a package trailer.
//
// Settings tokens: 1 product name, 2-3 picture length and offset, 4-5 icon length and offset,
// 6-7 registry keys to remove, 8-9 registry values to remove, 10 product key, 11 language
// ("TRUE" or "FALSE"), 12 finish button label, 13 uninstall button label, 14 files-remain button
// label, 15 hint line, 16 uninstall display name, 17-32 the word "NULL" (never read).
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "setup_config.h"

namespace sk {

struct UninstallSettings {
  std::string productName;
  BlockRef picture;
  BlockRef icon;
  std::array<std::string, 2> removeKeys;
  std::array<std::string, 2> removeValues;
  std::string productKey;
  std::string language;
  std::string finishLabel;
  std::string uninstallLabel;
  std::string filesRemainLabel;
  std::string hintLine;
  std::string displayName;
};

inline constexpr int kUninstallSettingTokens = 16;
inline constexpr int kUninstallFillerTokens = 16;
inline constexpr std::string_view kUninstallFiller = "NULL";

// Visitor as in setup_layout.h, plus Filler(std::string_view word, int count): tokens written
// as that word and never read.
template <class V, class S>
void VisitUninstallSettings(V& v, S& s) {
  v.String({"product_name"}, s.productName);
  v.Number({"picture_length"}, s.picture.length);
  v.Number({"picture_offset"}, s.picture.offset);
  v.Number({"icon_length"}, s.icon.length);
  v.Number({"icon_offset"}, s.icon.offset);
  for (int k = 0; k < 2; ++k) v.String({"remove_key", k}, s.removeKeys[k]);
  for (int k = 0; k < 2; ++k) v.String({"remove_value", k}, s.removeValues[k]);
  v.String({"product_key"}, s.productKey);
  v.String({"language"}, s.language);
  v.String({"finish_label"}, s.finishLabel);
  v.String({"uninstall_label"}, s.uninstallLabel);
  v.String({"files_remain_label"}, s.filesRemainLabel);
  v.String({"hint_line"}, s.hintLine);
  v.String({"display_name"}, s.displayName);
  v.Filler(kUninstallFiller, kUninstallFillerTokens);
}

// The settings that setup hands its uninstaller; the block references are filled in while the
// file is written.
UninstallSettings UninstallSettingsFor(const SetupConfig& config);

// What the uninstaller file is made of besides the configuration.
struct UninstallerInputs {
  std::span<const std::uint8_t> unwiseImage;     // the whole unwise program
  std::span<const std::uint8_t> builtinPicture;  // shown in place of a Flash movie
  std::string setupPath;                         // where the side picture and icon blocks lie
};

// Writes the uninstaller file to path. Returns 1, or 0 when it cannot be created or written.
int WriteUninstallerPackage(const std::string& path, const SetupConfig& config,
                            const UninstallerInputs& inputs);

// Reads the settings back from an uninstaller file, using tempFolder + "mirl.tmp" on the way.
// Returns 1, or 0 when the file has no trailer or its settings cannot be read.
int LoadUninstallerConfig(const std::string& ownPath, const std::string& tempFolder,
                          UninstallSettings& settings);

// Token list for settings, and settings from a token list: shared by writer, reader and tool.
CTokenList WriteUninstallSettings(const UninstallSettings& settings);
UninstallSettings ReadUninstallSettings(CTokenList& tokens);

}  // namespace sk
