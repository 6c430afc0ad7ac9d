// setup.exe run on packages made by our own writer: what it leaves in its temporary folder.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "package/file_io.h"
#include "package/package_trailer.h"
#include "package/range_io.h"
#include "package/setup_loader.h"
#include "package/stub_marker.h"
#include "package/token_list.h"
#include "package/uninstall_settings.h"
#include "setup_ui/exit_codes.h"
#include "shared/private_temp.h"
#include "shared/private_temp_name.h"
#include "support/temp_dir.h"
#include "support/test_package.h"
#include "unwise/exit_codes.h"
#include "win/child_process.h"
#include "win/driver/program.h"

namespace sk::test {
namespace {

enum class Side { kNone, kPicture, kFlash };

struct PackageCase {
  const char* name;
  bool english;
  Side side;
  bool icon;
};

const std::string kSidePicture = "\xff\xd8\xff\xe0 a side picture of the package";
const std::string kMovie = "FWS\x06 a movie";
const std::string kIcon = std::string("\0\0\1\0\1\0 an icon", 14);

SetupConfig ConfigFor(const PackageCase& c) {
  SetupConfig config;
  config.productName = "测试产品 Demo";
  config.uiTexts[0] = c.english ? "FALSE" : "TRUE";
  config.uiTexts[5] = "完成";
  config.uiTexts[6] = "卸载";
  config.uiTexts[7] = "Files remain";
  config.uiTexts[17] = "请稍候";
  config.productKey = "Acme\\Demo";
  config.removeKeys = {"HKEY_CURRENT_USER|Software\\Acme\\Demo", "HKEY_LOCAL_MACHINE|Software\\Acme"};
  config.removeValues = {"HKEY_CURRENT_USER|Software\\Acme|Path", ""};
  config.uninstallDisplayName = "演示程序 1.0";
  return config;
}

std::string Package(const PackageCase& c) {
  PackageBuilder builder(ReadAll(HostPath(SK_SETUP_EXE)));
  SetupConfig config = ConfigFor(c);
  if (c.side == Side::kPicture) config.sidePicture = builder.AddBlock(kSidePicture);
  if (c.side == Side::kFlash) {
    config.sidePicture = builder.AddBlock(kMovie);
    config.sideIsFlash = true;
  }
  if (c.icon) config.icon = builder.AddBlock(kIcon);
  return builder.Finish(config);
}

std::string Block(const std::string& path, const BlockRef& block) {
  const auto bytes = ReadRange(path, block.length, block.offset);
  return bytes ? AsString(*bytes) : std::string();
}

// The raw settings list of an uninstaller file, positioned at its first token.
CTokenList SettingsTokens(const std::string& path) {
  CTokenList tokens;
  const auto trailer = ReadPackageTrailer(path);
  if (!trailer) return tokens;
  tokens.LoadBytes(Block(path, {trailer->length, trailer->offset}), kPackageKey);
  return tokens;
}

// The private folders of a program's runs inside a temporary folder, by name.
std::vector<std::string> PrivateFolders(const TempDir& temp, const char* program) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA((temp.path() + PrivateTempPattern(program)).c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) names.push_back(entry.cFileName);
  } while (FindNextFileA(search, &entry));
  FindClose(search);
  return names;
}

// setup's temporary files are gone when it ends; the test switch keeps them for reading.
class KeptTempFiles {
 public:
  KeptTempFiles() { SetEnvironmentVariableA(kKeepTempVariable, "1"); }
  ~KeptTempFiles() { SetEnvironmentVariableA(kKeepTempVariable, nullptr); }
  KeptTempFiles(const KeptTempFiles&) = delete;
  KeptTempFiles& operator=(const KeptTempFiles&) = delete;

  // The one private folder that the run left in temp, with its trailing backslash; empty
  // when there is not exactly one.
  static std::string Folder(const TempDir& temp) {
    const auto names = PrivateFolders(temp, "setup");
    return names.size() == 1 ? temp.path() + names[0] + "\\" : std::string();
  }
};

class SetupRun : public testing::TestWithParam<PackageCase> {
 protected:
  KeptTempFiles keep_;
};

TEST_P(SetupRun, WritesThePersonalisedUninstaller) {
  const PackageCase& c = GetParam();
  TempDir temp;
  const std::string setup = temp.File("setup.exe");
  WriteAll(setup, Package(c));

  ASSERT_EQ(RunChild(setup, {temp.path()}), static_cast<DWORD>(kSetupExitOk));
  const std::string folder = KeptTempFiles::Folder(temp);
  ASSERT_FALSE(folder.empty());

  const std::string uninstaller = folder + kUninstallerTempName;
  UninstallSettings settings;
  ASSERT_EQ(LoadUninstallerConfig(uninstaller, temp.path(), settings), 1);
  EXPECT_EQ(settings.productName, "测试产品 Demo");
  EXPECT_EQ(settings.language, c.english ? "FALSE" : "TRUE");
  EXPECT_EQ(settings.productKey, "Acme\\Demo");
  EXPECT_EQ(settings.removeKeys[0], "HKEY_CURRENT_USER|Software\\Acme\\Demo");
  EXPECT_EQ(settings.removeKeys[1], "HKEY_LOCAL_MACHINE|Software\\Acme");
  EXPECT_EQ(settings.removeValues[0], "HKEY_CURRENT_USER|Software\\Acme|Path");
  EXPECT_EQ(settings.removeValues[1], "");
  EXPECT_EQ(settings.finishLabel, "完成");
  EXPECT_EQ(settings.uninstallLabel, "卸载");
  EXPECT_EQ(settings.filesRemainLabel, "Files remain");
  EXPECT_EQ(settings.hintLine, "请稍候");
  EXPECT_EQ(settings.displayName, "演示程序 1.0");

  const std::string builtinPicture = ReadAll(HostPath(SK_BUILTIN_PICTURE));
  const std::string expectedPicture = c.side == Side::kPicture ? kSidePicture
                                      : c.side == Side::kFlash ? builtinPicture
                                                               : "";
  EXPECT_EQ(Block(uninstaller, settings.picture), expectedPicture);
  EXPECT_EQ(Block(uninstaller, settings.icon), c.icon ? kIcon : "");

  // The uninstaller is the whole unwise program with its package behind it.
  const std::string unwise = ReadAll(HostPath(SK_UNWISE_EXE));
  EXPECT_EQ(ReadAll(uninstaller).substr(0, unwise.size()), unwise);

  CTokenList tokens = SettingsTokens(uninstaller);
  for (int i = 0; i < kUninstallSettingTokens; ++i) tokens.NextToken();
  for (int i = 0; i < kUninstallFillerTokens; ++i) EXPECT_EQ(tokens.NextToken(), kUninstallFiller) << i;
  EXPECT_EQ(tokens.NextToken(), "");

  EXPECT_FALSE(PathExists(folder + kConfigTempName));
  EXPECT_TRUE(PathExists(folder + kAnimationTempName));
  EXPECT_EQ(ReadAll(folder + kMovieTempName), c.side == Side::kFlash ? kMovie : "");
  // Nothing of it in the user's temporary folder itself.
  for (const char* name : {kConfigTempName, kAnimationTempName, kMovieTempName, kUninstallerTempName})
    EXPECT_FALSE(PathExists(temp.File(name))) << name;

  // Run as a program of its own, the uninstaller finds its settings: its first run hands over
  // to its relocated copy and ends. The copy's window, waiting for a user, ends with the test.
  const std::string relocated = temp.File("X.exe");
  ASSERT_TRUE(CopyFileA(uninstaller.c_str(), relocated.c_str(), FALSE));
  gui::Program uninstall(relocated, {.environment = {{"TEMP", temp.path()}, {"TMP", temp.path()}, {"SETUPKIT_NO_UI", "1"}}});
  EXPECT_EQ(uninstall.WaitForExit(), std::optional<DWORD>(kUnwiseExitOk));
}

INSTANTIATE_TEST_SUITE_P(Packages, SetupRun,
                         testing::Values(PackageCase{"Chinese_Picture_Icon", false, Side::kPicture, true},
                                         PackageCase{"English_NoPicture", true, Side::kNone, false},
                                         PackageCase{"Chinese_Flash", false, Side::kFlash, false},
                                         PackageCase{"English_Flash_Icon", true, Side::kFlash, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// A configuration block scrambled with a key other than the package key.
std::string ForeignBlock(std::int64_t at) {
  CTokenList list;
  list.Append("Demo");
  std::string block = list.Serialize();
  Scramble(reinterpret_cast<std::uint8_t*>(block.data()), static_cast<long>(block.size()), "otherkey");
  return block + FormatPackageTrailer({static_cast<std::int32_t>(block.size()), static_cast<std::int32_t>(at)});
}

struct DamagedCase {
  const char* name;
  std::string (*tail)(std::int64_t stubSize);  // appended to a copy of setup.exe
  DWORD exitCode;
};

class DamagedPackage : public testing::TestWithParam<DamagedCase> {
 protected:
  KeptTempFiles keep_;
};

TEST_P(DamagedPackage, EndsWithTheDocumentedCode) {
  const DamagedCase& c = GetParam();
  TempDir temp;
  const std::string setup = temp.File("setup.exe");
  const std::string stub = ReadAll(HostPath(SK_SETUP_EXE));
  WriteAll(setup, stub + c.tail(static_cast<std::int64_t>(stub.size())));
  EXPECT_EQ(RunChild(setup, {temp.path()}), c.exitCode);
  // The uninstaller is written whenever the trailer could be read, even from empty tokens.
  EXPECT_EQ(PathExists(KeptTempFiles::Folder(temp) + kUninstallerTempName), c.exitCode == kSetupExitOk);
}

INSTANTIATE_TEST_SUITE_P(
    Packages, DamagedPackage,
    testing::Values(
        DamagedCase{"NoPackage", [](std::int64_t) { return std::string(); }, kSetupExitStartFailed},
        DamagedCase{"AmpersandFirstInTail",
                    [](std::int64_t) { return "&" + std::string(126, 'x'); }, kSetupExitStartFailed},
        DamagedCase{"TrailerTooFarFromTheEnd",
                    [](std::int64_t) { return "&LEN:10,SEEK:0." + std::string(127, ' '); },
                    kSetupExitStartFailed},
        DamagedCase{"TrailerBeyondTheFile",
                    [](std::int64_t) { return std::string("&LEN:999999,SEEK:99999999."); }, kSetupExitOk},
        DamagedCase{"NegativeNumbers", [](std::int64_t) { return std::string("&LEN:-5,SEEK:-70."); },
                    kSetupExitOk},
        DamagedCase{"BlockWithAnotherKey", ForeignBlock, kSetupExitOk}),
    [](const auto& info) { return std::string(info.param.name); });

std::string PackageWithoutMedia() {
  PackageBuilder builder(ReadAll(HostPath(SK_SETUP_EXE)));
  return builder.Finish(ConfigFor({"", true, Side::kNone, false}));
}

TEST(PrivateTempFolder, GoesAtTheEndWithEverythingInIt) {
  TempDir temp;
  const std::string setup = temp.File("setup.exe");
  WriteAll(setup, PackageWithoutMedia());
  ASSERT_EQ(RunChild(setup, {temp.path()}), static_cast<DWORD>(kSetupExitOk));
  EXPECT_TRUE(PrivateFolders(temp, "setup").empty());
}

TEST(PrivateTempFolder, StaleFoldersOfEndedRunsGoAtStartLiveOnesStay) {
  TempDir temp;
  FILETIME created, exited, kernel, user;
  ASSERT_TRUE(GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user));
  const PrivateTempOwner alive{GetCurrentProcessId(),
                               (static_cast<std::uint64_t>(created.dwHighDateTime) << 32) | created.dwLowDateTime};
  const PrivateTempOwner reusedId{alive.processId, alive.created + 1};  // an earlier process of that id
  const PrivateTempOwner ended{0xFFFFFFF0u, 0};
  const std::string live = PrivateTempName("setup", alive, 0);
  const std::string unwiseFolder = PrivateTempName("unwise", ended, 0);
  for (const std::string& name : {live, PrivateTempName("setup", reusedId, 0),
                                  PrivateTempName("setup", ended, 3), unwiseFolder}) {
    ASSERT_TRUE(CreateDirectoryA(temp.File(name).c_str(), nullptr)) << name;
    WriteAll(temp.File(name + "\\" + kConfigTempName), "left over");
  }
  const std::string setup = temp.File("setup.exe");
  WriteAll(setup, ReadAll(HostPath(SK_SETUP_EXE)));  // no package: a failed start clears too
  EXPECT_EQ(RunChild(setup, {temp.path()}), static_cast<DWORD>(kSetupExitStartFailed));
  EXPECT_TRUE(PathExists(temp.File(live + "\\" + kConfigTempName)));
  EXPECT_FALSE(PathExists(temp.File(PrivateTempName("setup", reusedId, 0))));
  EXPECT_FALSE(PathExists(temp.File(PrivateTempName("setup", ended, 3))));
  EXPECT_TRUE(PathExists(temp.File(unwiseFolder))) << "another program's folders are its own business";
}

TEST(SetupImage, CarriesTheStubMarker) {
  EXPECT_NE(ReadAll(HostPath(SK_SETUP_EXE)).find(kStubMarker), std::string::npos);
}

TEST(UnwiseRun, FailsWithoutSettings) {
  TempDir temp;
  EXPECT_EQ(RunChild(HostPath(SK_UNWISE_EXE), {temp.path()}), static_cast<DWORD>(kUnwiseExitStartFailed));
}

}  // namespace
}  // namespace sk::test
