#include "package/setup_loader.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "package/uninstall_settings.h"
#include "support/temp_dir.h"
#include "support/test_package.h"

namespace sk {
namespace {

namespace fs = std::filesystem;

const std::string kUnwise = "MZ unwise";
const std::string kBuiltin = "builtin picture";

std::span<const std::uint8_t> Bytes(const std::string& s) {
  return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

struct Loaded {
  int result;
  LoadedSetup setup;
};

Loaded Load(const test::TempDir& dir, const std::string& package) {
  test::WriteAll(dir.File("setup.exe"), package);
  Loaded l;
  l.result = LoadSetupConfig(dir.File("setup.exe"), dir.path(), {Bytes(kUnwise), Bytes(kBuiltin)}, l.setup);
  return l;
}

TEST(SetupLoader, TakesOutThePicturesAnimationAndUninstaller) {
  test::TempDir dir;
  test::PackageBuilder b("MZ setup");
  SetupConfig config;
  config.productName = "Demo";
  config.sidePicture = b.AddBlock("side");
  config.backgroundEnabled = true;
  config.backgroundPicture = b.AddBlock("background");
  config.splashPicture = b.AddBlock("splash");
  config.animation = b.AddBlock("RIFF avi");
  config.files.push_back({.name = "a.txt", .size = 3});
  const Loaded l = Load(dir, b.Finish(config));
  ASSERT_EQ(l.result, 1);
  EXPECT_EQ(l.setup.config.productName, "Demo");
  ASSERT_EQ(l.setup.config.files.size(), 1u);
  EXPECT_EQ(test::AsString(l.setup.sidePicture), "side");
  EXPECT_FALSE(l.setup.sidePictureIsBuiltin);
  EXPECT_EQ(test::AsString(l.setup.backgroundPicture), "background");
  EXPECT_EQ(test::AsString(l.setup.splashPicture), "splash");
  EXPECT_EQ(test::ReadAll(l.setup.animationPath), "RIFF avi");
  EXPECT_FALSE(fs::exists(dir.File("mirl.tmp"))) << "the configuration file is removed after reading";
  EXPECT_FALSE(fs::exists(l.setup.moviePath));

  UninstallSettings s;
  ASSERT_EQ(LoadUninstallerConfig(l.setup.uninstallerPath, dir.path(), s), 1);
  EXPECT_EQ(s.productName, "Demo");
  EXPECT_EQ(test::ReadAll(l.setup.uninstallerPath).substr(s.picture.offset, s.picture.length), "side");
}

TEST(SetupLoader, AFlashMovieGoesToItsFileAndTheBuiltinPictureStandsIn) {
  test::TempDir dir;
  test::PackageBuilder b("MZ setup");
  SetupConfig config;
  config.sidePicture = b.AddBlock("FWS movie");
  config.sideIsFlash = true;
  const Loaded l = Load(dir, b.Finish(config));
  ASSERT_EQ(l.result, 1);
  EXPECT_EQ(test::ReadAll(l.setup.moviePath), "FWS movie");
  EXPECT_EQ(test::AsString(l.setup.sidePicture), kBuiltin);
  EXPECT_TRUE(l.setup.sidePictureIsBuiltin);
}

TEST(SetupLoader, WithoutASidePictureTheBuiltinOneIsShown) {
  test::TempDir dir;
  test::PackageBuilder b("MZ setup");
  SetupConfig config;
  config.backgroundPicture = b.AddBlock("unused: the background window is off");
  const Loaded l = Load(dir, b.Finish(config));
  ASSERT_EQ(l.result, 1);
  EXPECT_EQ(test::AsString(l.setup.sidePicture), kBuiltin);
  EXPECT_TRUE(l.setup.backgroundPicture.empty());
  EXPECT_TRUE(fs::exists(l.setup.animationPath));
  EXPECT_EQ(test::ReadAll(l.setup.animationPath), "") << "no animation leaves an empty file";
}

TEST(SetupLoader, DamagedPackagesFailOrFallBackToDefaults) {
  test::TempDir dir;
  // No trailer at all: failure before anything is written.
  EXPECT_EQ(Load(dir, std::string(500, 'x')).result, 0);
  EXPECT_FALSE(fs::exists(dir.File("unwise_mirl.tmp")));

  // Trailers addressing nothing readable: empty configuration, the run goes on.
  for (const std::string trailer : {"&LEN:99999,SEEK:2.", "&LEN:-5,SEEK:-7.", "&LEN:10,SEEK:999999."}) {
    const Loaded l = Load(dir, "MZ" + std::string(30, '\xAA') + trailer);
    EXPECT_EQ(l.result, 1) << trailer;
    EXPECT_EQ(l.setup.config.productName, "") << trailer;
    EXPECT_TRUE(fs::exists(dir.File("unwise_mirl.tmp"))) << trailer;
  }

  // A block scrambled with another key reads as meaningless tokens, never out of bounds.
  test::PackageBuilder b("MZ");
  SetupConfig config;
  config.productName = "x";
  std::string package = b.Finish(config);
  package[2] = static_cast<char>(package[2] ^ 0x5A);
  EXPECT_EQ(Load(dir, package).result, 1);
}

TEST(SetupLoader, FailsWhenTheUninstallerCannotBeWritten) {
  test::TempDir dir;
  test::PackageBuilder b("MZ");
  test::WriteAll(dir.File("setup.exe"), b.Finish(SetupConfig{}));
  LoadedSetup out;
  fs::create_directories(dir.File("unwise_mirl.tmp"));  // a folder in its way
  EXPECT_EQ(LoadSetupConfig(dir.File("setup.exe"), dir.path(), {Bytes(kUnwise), Bytes(kBuiltin)}, out), 0);
}

}  // namespace
}  // namespace sk
