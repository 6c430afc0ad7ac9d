#include "package/uninstall_settings.h"

#include <gtest/gtest.h>

#include "package/package_trailer.h"
#include "package/token_list.h"
#include "support/temp_dir.h"
#include "support/test_package.h"

namespace sk {
namespace {

const std::string kUnwise = "MZ unwise program image";
const std::string kBuiltin = "builtin jpeg";

struct Fixture {
  test::TempDir dir;
  std::string setupPath = dir.File("setup.exe");
  std::string uninstallerPath = dir.File("unwise_mirl.tmp");

  // Writes a setup package holding the given side picture and icon, then its uninstaller.
  UninstallSettings WriteFor(SetupConfig& config, const std::string& picture, const std::string& icon) {
    test::PackageBuilder builder("MZ setup stub");
    if (!picture.empty()) config.sidePicture = builder.AddBlock(picture);
    if (!icon.empty()) config.icon = builder.AddBlock(icon);
    test::WriteAll(setupPath, builder.Finish(config));
    const std::string unwise = kUnwise, builtin = kBuiltin;
    const UninstallerInputs inputs{{reinterpret_cast<const std::uint8_t*>(unwise.data()), unwise.size()},
                                   {reinterpret_cast<const std::uint8_t*>(builtin.data()), builtin.size()},
                                   setupPath};
    EXPECT_EQ(WriteUninstallerPackage(uninstallerPath, config, inputs), 1);
    UninstallSettings read;
    EXPECT_EQ(LoadUninstallerConfig(uninstallerPath, dir.path(), read), 1);
    return read;
  }
  std::string Written() const { return test::ReadAll(uninstallerPath); }
};

TEST(UninstallerPackage, WithoutPictureOrIconIsProgramSettingsTrailer) {
  Fixture f;
  SetupConfig config;
  config.productName = "Demo";
  const UninstallSettings s = f.WriteFor(config, "", "");
  EXPECT_EQ(s.picture.length, 0);
  EXPECT_EQ(s.picture.offset, static_cast<std::int32_t>(kUnwise.size()));
  EXPECT_EQ(s.icon.length, 0);
  const auto trailer = ReadPackageTrailer(f.uninstallerPath);
  ASSERT_TRUE(trailer);
  EXPECT_EQ(trailer->offset, static_cast<std::int32_t>(kUnwise.size()));
  const std::string file = f.Written();
  EXPECT_EQ(file.substr(0, kUnwise.size()), kUnwise);
  EXPECT_EQ(file.size(), kUnwise.size() + trailer->length + FormatPackageTrailer(*trailer).size());
}

TEST(UninstallerPackage, PictureAndIconFollowTheProgram) {
  Fixture f;
  SetupConfig config;
  const UninstallSettings s = f.WriteFor(config, "side picture bytes", "icon!");
  const std::string file = f.Written();
  EXPECT_EQ(s.picture.offset, static_cast<std::int32_t>(kUnwise.size()));
  EXPECT_EQ(file.substr(s.picture.offset, s.picture.length), "side picture bytes");
  EXPECT_EQ(s.icon.offset, s.picture.offset + s.picture.length);
  EXPECT_EQ(file.substr(s.icon.offset, s.icon.length), "icon!");
  EXPECT_EQ(ReadPackageTrailer(f.uninstallerPath)->offset, s.icon.offset + s.icon.length);
}

TEST(UninstallerPackage, AFlashMovieGivesTheBuiltinPicture) {
  Fixture f;
  SetupConfig config;
  config.sideIsFlash = true;
  const UninstallSettings s = f.WriteFor(config, "FWS movie", "");
  EXPECT_EQ(s.picture.length, static_cast<std::int32_t>(kBuiltin.size()));
  EXPECT_EQ(f.Written().substr(s.picture.offset, s.picture.length), kBuiltin);
}

TEST(UninstallerPackage, CarriesTheSettingsAndSixteenFillers) {
  Fixture f;
  SetupConfig config;
  config.productName = "\xb2\xe2\xca\xd4";  // GBK
  config.removeKeys = {"HKEY_CURRENT_USER|Software\\Acme", "HKEY_LOCAL_MACHINE|SOFTWARE\\Acme"};
  config.removeValues = {"HKEY_CURRENT_USER|Software\\X|v", ""};
  config.productKey = "Acme";
  config.uninstallDisplayName = "Acme Demo";
  for (int i = 0; i < kUiTextCount; ++i) config.uiTexts[i] = "ui" + std::to_string(i);
  const UninstallSettings s = f.WriteFor(config, "", "");
  EXPECT_EQ(s.productName, config.productName);
  EXPECT_EQ(s.removeKeys, config.removeKeys);
  EXPECT_EQ(s.removeValues, config.removeValues);
  EXPECT_EQ(s.productKey, "Acme");
  EXPECT_EQ(s.language, "FALSE");
  EXPECT_EQ(s.finishLabel, "ui5");
  EXPECT_EQ(s.uninstallLabel, "ui6");
  EXPECT_EQ(s.filesRemainLabel, "ui7");
  EXPECT_EQ(s.hintLine, "ui17");
  EXPECT_EQ(s.displayName, "Acme Demo");

  const auto trailer = ReadPackageTrailer(f.uninstallerPath);
  CTokenList tokens;
  tokens.LoadBytes(f.Written().substr(trailer->offset, trailer->length), kPackageKey);
  for (int i = 0; i < kUninstallSettingTokens; ++i) tokens.NextToken();
  for (int i = 0; i < kUninstallFillerTokens; ++i) EXPECT_EQ(tokens.NextToken(), "NULL") << i;
  EXPECT_EQ(tokens.NextToken(), "");
}

TEST(UninstallerPackage, LanguageIsTRUEOnlyForExactlyTRUE) {
  for (const auto& [ui0, language] : std::vector<std::pair<std::string, std::string>>{
           {"TRUE", "TRUE"}, {"true", "FALSE"}, {"", "FALSE"}, {"FALSE", "FALSE"}}) {
    SetupConfig config;
    config.uiTexts[0] = ui0;
    EXPECT_EQ(UninstallSettingsFor(config).language, language) << ui0;
  }
}

TEST(UninstallerPackage, ABareOrDamagedUninstallerFailsToLoad) {
  test::TempDir dir;
  UninstallSettings s;
  test::WriteAll(dir.File("bare.exe"), std::string(4096, 'M'));
  EXPECT_EQ(LoadUninstallerConfig(dir.File("bare.exe"), dir.path(), s), 0);
  EXPECT_EQ(LoadUninstallerConfig(dir.File("missing.exe"), dir.path(), s), 0);
  // A trailer pointing outside the file reads as empty settings, not as a crash.
  test::WriteAll(dir.File("far.exe"), "MZ&LEN:999999,SEEK:-50.");
  EXPECT_EQ(LoadUninstallerConfig(dir.File("far.exe"), dir.path(), s), 1);
  EXPECT_EQ(s.productName, "");
  EXPECT_EQ(s.picture.length, 0);
}

TEST(UninstallerPackage, FailsWhenTheFileCannotBeCreated) {
  test::TempDir dir;
  SetupConfig config;
  EXPECT_EQ(WriteUninstallerPackage(dir.File("no/such/dir/u.tmp"), config, {{}, {}, dir.File("setup.exe")}), 0);
}

}  // namespace
}  // namespace sk
