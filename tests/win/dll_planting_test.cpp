// DLLs named like system DLLs beside a program: with Wine told to prefer such DLLs, as Windows'
// search order does, the probes with ordinary or merely delayed imports must pick them up (so
// the test can see a load), and setup, unwise and the hardened probe must not.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "support/test_package.h"
#include "win/child_process.h"
#include "win/driver/program.h"
#include "win/driver/run.h"

namespace sk::test {
namespace {

const char* const kPlantedDlls[] = {"winmm.dll", "comctl32.dll", "version.dll"};

// Tells Wine to prefer the DLLs found beside a program of that file name to its own, as
// Windows' search order does, for as long as the object lives. Wine reads this when a program
// starts; the variable WINEDLLOVERRIDES would do the same but is read from the host's
// environment only.
class PreferPlantedDlls {
 public:
  explicit PreferPlantedDlls(const std::string& programName)
      : keyPath_("Software\\Wine\\AppDefaults\\" + programName + "\\DllOverrides") {
    RegCreateKeyExA(HKEY_CURRENT_USER, keyPath_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                    &key_, nullptr);
    for (const char* dll : kPlantedDlls) {
      const std::string name(dll, std::strlen(dll) - 4);
      RegSetValueExA(key_, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>("native,builtin"), 15);
    }
  }
  ~PreferPlantedDlls() {
    if (key_) RegCloseKey(key_);
    RegDeleteKeyA(HKEY_CURRENT_USER, keyPath_.c_str());
  }
  bool ok() const { return key_ != nullptr; }

 private:
  std::string keyPath_;
  HKEY key_ = nullptr;
};

struct PlantingCase {
  const char* name;
  const char* program;
  bool markersExpected;
  // Wine's own advapi32 imports version.dll, so under Wine a preferred planted version.dll is
  // loaded by every program that imports advapi32. Windows takes a KnownDLL such as advapi32
  // and the DLLs it depends on from System32, so that load says nothing about our programs;
  // version.dll is planted beside the probes only.
  bool plantVersion;
  // With a package appended (setup only): one whose splash and preparing dialog make setup
  // create a progress bar, so that comctl32 is really used.
  bool withPackage = false;
};

std::string SplashPackage(const std::string& setup) {
  PackageBuilder builder(ReadAll(setup));
  SetupConfig config;
  config.productName = "Demo";
  config.preparingCaption = "Preparing";
  config.splashMillis = 100;
  config.splashPicture = builder.AddBlock(ReadAll(HostPath(SK_BUILTIN_PICTURE)));
  return builder.Finish(config);
}

class DllPlanting : public testing::TestWithParam<PlantingCase> {};

TEST_P(DllPlanting, LoadsPlantedDllsOnlyWithoutHardening) {
  TempDir folder;
  TempDir temp;
  // A name of the case's own: Wine's per-program settings are keyed by it, and cases may run
  // at the same time.
  const std::string programName = std::string("planting_") + GetParam().name + ".exe";
  const std::string program = folder.File(programName);
  if (GetParam().withPackage)
    WriteAll(program, SplashPackage(HostPath(GetParam().program)));
  else
    ASSERT_TRUE(CopyFileA(HostPath(GetParam().program).c_str(), program.c_str(), FALSE));
  const std::string planted = HostPath(SK_PLANTED_DLL_DIR) + "\\";
  std::vector<std::string> dlls(std::begin(kPlantedDlls), std::end(kPlantedDlls));
  if (!GetParam().plantVersion) dlls.pop_back();
  for (const std::string& dll : dlls)
    ASSERT_TRUE(CopyFileA((planted + dll).c_str(), folder.File(dll).c_str(), FALSE)) << dll;

  PreferPlantedDlls preference(programName);
  ASSERT_TRUE(preference.ok());
  gui::Program run(program, {"", {{"TEMP", temp.path()}, {"TMP", temp.path()}}});
  ASSERT_TRUE(run.started());
  // Whatever window shows is closed; setup has used comctl32 before its first window.
  ASSERT_TRUE(gui::CloseWindowsUntilExit(run, kChildTimeoutMs));

  for (const std::string& dll : dlls) {
    const bool marked = GetFileAttributesA(folder.File(dll + ".loaded").c_str()) !=
                        INVALID_FILE_ATTRIBUTES;
    EXPECT_EQ(marked, GetParam().markersExpected) << dll;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Programs, DllPlanting,
    testing::Values(PlantingCase{"PlainProbe", SK_DLL_PROBE_PLAIN_EXE, true, true},
                    PlantingCase{"DelayedProbe", SK_DLL_PROBE_DELAYED_EXE, true, true},
                    PlantingCase{"HardenedProbe", SK_DLL_PROBE_HARDENED_EXE, false, true},
                    PlantingCase{"SetupWithoutPackage", SK_SETUP_EXE, false, false},
                    PlantingCase{"SetupWithSplash", SK_SETUP_EXE, false, false, true},
                    PlantingCase{"Unwise", SK_UNWISE_EXE, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

// A DLL installed by the package and loaded by its full path (self-registration) imports a DLL
// beside it: with the search restricted that import is not found on a plain load, and
// LoadLibraryBeside finds it.
TEST(DllHardening, LoadsLibrariesByPathWithTheirOwnDependencies) {
  TempDir folder;
  const std::string built = HostPath(SK_PLUGIN_DIR) + "\\";
  for (const char* dll : {"sk_plugin.dll", "sk_plugin_dep.dll"})
    ASSERT_TRUE(CopyFileA((built + dll).c_str(), folder.File(dll).c_str(), FALSE)) << dll;
  gui::Program probe(HostPath(SK_PLUGIN_PROBE_EXE), {folder.File("sk_plugin.dll"), {}});
  constexpr DWORD kOnlyBesideLoaded = 2;
  EXPECT_EQ(probe.WaitForExit(), kOnlyBesideLoaded);
}

}  // namespace
}  // namespace sk::test
