// What the uninstaller must never remove, however its log or settings are crafted: the
// Programs folder and its parents, the Uninstall list and the keys other programs share, drive
// roots and system folders; and a file it cannot delete does not stop the run.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "resource_ids.h"
#include "shared/special_folder.h"
#include "support/temp_dir.h"
#include "unwise/win_file_removal.h"
#include "win/child_process.h"
#include "win/driver/input.h"
#include "win/driver/windows.h"
#include "win/setup_gui.h"
#include "win/unwise_gui.h"

namespace sk::test {
namespace {

constexpr char kSentinel[] = "sk-guard-sentinel";

std::string Special(int code) {
  std::string path;
  return GetSpecialFolder(code, path) ? path : std::string();
}

// Runs the uninstaller to its end and closes it.
void Uninstall(UnwiseUnderTest& unwise) {
  unwise.Start();
  HWND window = unwise.WaitForWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(unwise.RunRemoval(window));
  ASSERT_TRUE(gui::UseCloseBox(window));
  EXPECT_TRUE(gui::WaitForWindowGone(window));
}

TEST(UnwiseGuard, GroupWalkLeavesTheProgramsFolderWhateverTheShortcutPathsHold) {
  const std::string programs = Special(CSIDL_PROGRAMS);
  const std::string startMenu = Special(CSIDL_STARTMENU);
  ASSERT_FALSE(programs.empty());
  const std::string sentinel = programs + kSentinel;
  WriteAll(sentinel, "x");
  WriteAll(startMenu + kSentinel, "x");
  UnwiseUnderTest unwise(UninstallConfig(true));
  // programs ends in a backslash: the first path holds the doubled one of an empty group name.
  unwise.WriteLog({}, {programs + "\\sk-guard.lnk", programs + "sk-guard.lnk", startMenu + "sk-guard.lnk",
                       programs + "..\\sk-guard.lnk"});
  Uninstall(unwise);
  EXPECT_TRUE(FileExists(sentinel));
  EXPECT_TRUE(FileExists(startMenu + kSentinel));
  DeleteFileA(sentinel.c_str());
  DeleteFileA((startMenu + kSentinel).c_str());
}

struct KeyCase {
  const char* name;
  const char* specs[2];
  HKEY roots[2];
  const char* paths[2];
};

class UnwiseSharedKeys : public testing::TestWithParam<KeyCase> {};

TEST_P(UnwiseSharedKeys, StayWithWhatIsBelowThem) {
  const KeyCase& c = GetParam();
  const std::string uninstallList = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
  for (int k = 0; k < 2; ++k) CreateRegKey(c.roots[k], std::string(c.paths[k]) + "\\" + kSentinel);
  CreateRegKey(HKEY_LOCAL_MACHINE, uninstallList + "\\" + kSentinel);
  CreateRegKey(HKEY_CURRENT_USER, "Software\\SkGuardOwn\\Below");
  SetupConfig config = UninstallConfig(true);
  config.removeKeys = {c.specs[0], c.specs[1]};
  config.removeValues = {"HKEY_CURRENT_USER|Software\\SkGuardOwn|", "HKEY_LOCAL_MACHINE|Stray"};
  config.productKey = "";           // would name the whole Uninstall list
  config.uninstallDisplayName = "Demo";
  UnwiseUnderTest unwise(config);
  Uninstall(unwise);
  EXPECT_TRUE(RegKeyExists(HKEY_LOCAL_MACHINE, uninstallList + "\\" + kSentinel)) << "the Uninstall list stays";
  for (int k = 0; k < 2; ++k)
    EXPECT_TRUE(RegKeyExists(c.roots[k], std::string(c.paths[k]) + "\\" + kSentinel)) << c.specs[k];
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, (uninstallList + "\\" + kSentinel).c_str());
  for (int k = 0; k < 2; ++k) RegDeleteKeyA(c.roots[k], (std::string(c.paths[k]) + "\\" + kSentinel).c_str());
  EXPECT_TRUE(RegKeyExists(HKEY_CURRENT_USER, "Software\\SkGuardOwn\\Below")) << "no product key, no product tree";
  RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\SkGuardOwn\\Below");
  RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\SkGuardOwn");
}

INSTANTIATE_TEST_SUITE_P(
    Specs, UnwiseSharedKeys,
    testing::Values(
        KeyCase{"Software", {"HKEY_CURRENT_USER|Software", "HKEY_LOCAL_MACHINE|\\SOFTWARE\\"},
                {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}, {"Software", "SOFTWARE"}},
        KeyCase{"Microsoft",
                {"HKEY_LOCAL_MACHINE|SOFTWARE\\Microsoft", "HKEY_LOCAL_MACHINE|SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall"},
                {HKEY_LOCAL_MACHINE, HKEY_LOCAL_MACHINE},
                {"SOFTWARE\\Microsoft", "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall"}},
        KeyCase{"Classes", {"HKEY_LOCAL_MACHINE|SOFTWARE\\Classes", "HKEY_CLASSES_ROOT|CLSID"},
                {HKEY_LOCAL_MACHINE, HKEY_CLASSES_ROOT}, {"SOFTWARE\\Classes", "CLSID"}},
        KeyCase{"Interfaces", {"HKEY_CLASSES_ROOT|Interface", "HKEY_CLASSES_ROOT|TypeLib"},
                {HKEY_CLASSES_ROOT, HKEY_CLASSES_ROOT}, {"Interface", "TypeLib"}},
        KeyCase{"Shell", {"HKEY_CLASSES_ROOT|*", "HKEY_CLASSES_ROOT|Directory"},
                {HKEY_CLASSES_ROOT, HKEY_CLASSES_ROOT}, {"*", "Directory"}},
        KeyCase{"Folder", {"HKEY_CLASSES_ROOT|folder", "HKEY_LOCAL_MACHINE|SOFTWARE\\Microsoft\\Windows\\CurrentVersion"},
                {HKEY_CLASSES_ROOT, HKEY_LOCAL_MACHINE}, {"folder", "SOFTWARE\\Microsoft\\Windows\\CurrentVersion"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UnwiseGuard, AProductsOwnKeysBelowTheSharedOnesGo) {
  CreateRegKey(HKEY_CURRENT_USER, "Software\\SkGuardDemo\\Settings");
  CreateRegKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\SkGuardDemo");
  CreateRegKey(HKEY_CLASSES_ROOT, "CLSID\\{SkGuardDemo}\\InprocServer32");
  SetupConfig config = UninstallConfig(true);
  config.removeKeys = {"HKEY_CLASSES_ROOT|CLSID\\{SkGuardDemo}", ""};
  config.productKey = "SkGuardDemo";
  config.uninstallDisplayName = "Demo";
  UnwiseUnderTest unwise(config);
  Uninstall(unwise);
  EXPECT_FALSE(RegKeyExists(HKEY_CURRENT_USER, "Software\\SkGuardDemo"));
  EXPECT_FALSE(RegKeyExists(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\SkGuardDemo"));
  EXPECT_FALSE(RegKeyExists(HKEY_CLASSES_ROOT, "CLSID\\{SkGuardDemo}"));
  EXPECT_TRUE(RegKeyExists(HKEY_CLASSES_ROOT, "CLSID"));
}

TEST(UnwiseGuard, AFileThatCannotBeDeletedIsSkippedWithoutABox) {
  UnwiseUnderTest unwise(UninstallConfig(true));
  const std::string held = unwise.install() + "held.dat", next = unwise.install() + "next.dat";
  WriteAll(held, "in use");
  WriteAll(next, "goes");
  unwise.WriteLog({{held, next}, {}, "", ""});
  // Open without FILE_SHARE_DELETE, as a running program holds its file.
  HANDLE file = CreateFileA(held.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  unwise.Start();
  HWND window = unwise.WaitForWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(unwise.RunRemoval(window));
  gui::WindowQuery owned;
  owned.owner = window;
  EXPECT_TRUE(gui::FindWindows(owned).empty()) << "no error box";
  EXPECT_TRUE(FileExists(held));
  EXPECT_FALSE(FileExists(next)) << "the run went on after it";
  EXPECT_FALSE(FileExists(unwise.LogPath()));
  EXPECT_EQ(gui::ControlText(window, IDCANCEL), "Exit");
  CloseHandle(file);
  ASSERT_TRUE(gui::Click(gui::Control(window, IDCANCEL)));
  EXPECT_TRUE(gui::WaitForWindowGone(window));
}

TEST(UnwiseGuard, ALibraryIsUnregisteredWhileItIsStillThereAndThenDeleted) {
  UnwiseUnderTest unwise(UninstallConfig(true));
  const std::string library = unwise.install() + "demo.OCX";
  ASSERT_TRUE(CopyFileA(HostPath(SK_REGISTER_DLL).c_str(), library.c_str(), FALSE));
  const std::string record = unwise.temp() + "register.log";
  unwise.WriteLog({{library}, {}, "", ""});
  unwise.Start("", {{"SK_REGISTER_LOG", record}});
  HWND window = unwise.WaitForWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(unwise.RunRemoval(window));
  EXPECT_EQ(ReadAll(record).rfind("unregister " + library, 0), 0u) << ReadAll(record);
  EXPECT_FALSE(FileExists(library));
  ASSERT_TRUE(gui::UseCloseBox(window));
  EXPECT_TRUE(gui::WaitForWindowGone(window));
}

struct TreeCase {
  const char* name;
  std::string (*folder)();
};

std::string JoinedSentinel(const std::string& folder) {
  const bool separated = !folder.empty() && folder.back() == '\\';
  return folder + (separated ? "" : "\\") + kSentinel;
}

class UnwiseRemoveFolderTree : public testing::TestWithParam<TreeCase> {};

TEST_P(UnwiseRemoveFolderTree, RefusesRootsAndSystemFolders) {
  const std::string folder = GetParam().folder();
  ASSERT_FALSE(folder.empty());
  const std::string sentinel = JoinedSentinel(folder);
  WriteAll(sentinel, "x");
  RemoveFolderTree(folder);
  EXPECT_TRUE(FileExists(sentinel)) << folder;
  DeleteFileA(sentinel.c_str());
}

INSTANTIATE_TEST_SUITE_P(
    Folders, UnwiseRemoveFolderTree,
    testing::Values(TreeCase{"DriveRoot", [] { return std::string("C:\\"); }},
                    TreeCase{"DriveWithoutBackslash", [] { return std::string("C:"); }},
                    TreeCase{"Windows", [] { return Special(CSIDL_WINDOWS); }},
                    TreeCase{"System", [] { return Special(CSIDL_SYSTEM); }},
                    TreeCase{"ProgramFiles", [] { return Special(CSIDL_PROGRAM_FILES); }},
                    TreeCase{"Profile", [] { return Special(CSIDL_PROFILE); }},
                    TreeCase{"Desktop", [] { return Special(CSIDL_DESKTOPDIRECTORY); }},
                    TreeCase{"Programs", [] { return Special(CSIDL_PROGRAMS); }},
                    TreeCase{"AboveProfile", [] { return Special(CSIDL_PROFILE) + "..\\"; }},
                    TreeCase{"DoubledBackslash", [] { return Special(CSIDL_WINDOWS) + "\\"; }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UnwiseRemoveFolderTree, RemovesAnInstallFolderWithItsSubFoldersAndNothingForAnEmptyText) {
  TempDir dir;
  const std::string install = dir.File("App");
  CreateDirectoryA(install.c_str(), nullptr);
  CreateDirectoryA((install + "\\sub").c_str(), nullptr);
  WriteAll(install + "\\sub\\a.txt", "a");
  WriteAll(install + "\\b.txt", "b");
  SetFileAttributesA((install + "\\b.txt").c_str(), FILE_ATTRIBUTE_READONLY);
  RemoveFolderTree("");
  EXPECT_TRUE(FileExists(install + "\\b.txt")) << "an empty text names no folder";
  RemoveFolderTree(install);
  EXPECT_FALSE(FileExists(install));
  EXPECT_TRUE(FileExists(dir.path())) << "only the tree itself";
}

}  // namespace
}  // namespace sk::test
