// A package that uses every registration is installed through the wizard and removed through
// the uninstaller's window; afterwards the prefix holds exactly what it held before, apart
// from a short list of changes that are expected and named.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "support/test_package.h"
#include "win/child_process.h"
#include "win/driver/input.h"
#include "win/driver/program.h"
#include "win/driver/windows.h"
#include "win/no_menu_builder.h"
#include "win/prefix_snapshot.h"
#include "win/setup_gui.h"
#include "win/unwise_gui.h"
#include "win/wizard_gui.h"

namespace sk::test {
namespace {

constexpr int kDesktopBox = 1010;
constexpr int kStartMenuBox = 1016;

std::string SpecialFolder(int csidl) {
  char path[MAX_PATH] = {};
  SHGetSpecialFolderPathA(nullptr, path, csidl, FALSE);
  return path;
}

void SetRegText(HKEY root, const std::string& key, const char* name, const std::string& text) {
  HKEY opened = nullptr;
  if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &opened, nullptr) != ERROR_SUCCESS) return;
  RegSetValueExA(opened, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), static_cast<DWORD>(text.size() + 1));
  RegCloseKey(opened);
}

// Files in the install folder (one in a sub-folder), the system and the windows folder, every
// shortcut kind with a group sub-folder, two file types, both right-click entries, and one key
// and one value that the installed program would create for the uninstaller to remove.
struct RoundTripPackage {
  std::string product = Unique("SkRound");
  SetupConfig config = EnglishWizardConfig(product, "2.0");

  RoundTripPackage() {
    config.fileTypes[0] = {"INSTALL\\app.exe", "skq", 1};
    config.fileTypes[1] = {"INSTALL\\app.exe", "skr", 0};
    config.fileMenuName = product + " file";
    config.fileMenuProgram = "INSTALL\\app.exe";
    config.folderMenuName = product + " folder";
    config.folderMenuProgram = "INSTALL\\app.exe";
    config.removeKeys[0] = "HKEY_CURRENT_USER|Software\\" + product + "Data";
    config.removeValues[0] = "HKEY_CURRENT_USER|Software\\" + SharedKey() + "|" + product;
  }

  std::string SharedKey() const { return product + "Shared"; }

  std::string Write(const TempDir& folder) const {
    const auto entry = [](const std::string& name, std::int32_t kind, const char* subFolder) {
      FileEntry file;
      file.name = name;
      file.folderKind = kind;
      file.subFolder = subFolder;
      file.logged = true;
      return file;
    };
    FileEntry app = entry("app.exe", INSTALL_FOLDER, "");
    app.shortcutFlags = kDesktopShortcut | kStartMenuShortcut | kProgramGroupShortcut;
    app.quickLaunch = true;
    app.shortcutName = product;
    app.shortcutDescription = "round trip";
    app.groupSubFolder = "Tools";
    return WriteSetupWithFiles(folder, config,
                               {{app, "MZ-round-trip"},
                                {entry("notes.txt", INSTALL_FOLDER, "docs"), "notes"},
                                {entry(product + "_sys.txt", SYSTEM_FOLDER, ""), "system"},
                                {entry(product + "_win.txt", WINDOWS_FOLDER, ""), "windows"}});
  }
};

bool Contains(const std::vector<std::string>& items, const std::string& wanted) {
  return std::find(items.begin(), items.end(), wanted) != items.end();
}

std::string Lowered(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

TEST(InstallUninstall, LeavesThePrefixAsItWasApartFromTheNamedChanges) {
  const NoMenuBuilder noMenuBuilder;
  RoundTripPackage package;
  TempDir folder, temp, target, scratch;
  const std::string setup = package.Write(folder);
  const std::string installFolder = target.File("Round Trip");
  // File types are machine-wide names: what an earlier, failed run left goes first.
  for (const auto& type : package.config.fileTypes) {
    RegDeleteTreeA(HKEY_CLASSES_ROOT, ("." + type.extension).c_str());
    RegDeleteTreeA(HKEY_CLASSES_ROOT, (type.extension + "file").c_str());
  }
  CreateRegKey(HKEY_CURRENT_USER, "Software\\" + package.SharedKey());
  // Wine links the desktop to the host's home, outside the walk of C:.
  const std::string desktop = SpecialFolder(CSIDL_DESKTOPDIRECTORY) + "\\";
  const std::vector<std::string> fileRoots = {"C:\\", desktop};
  const std::vector<std::string> registryRoots = {"HKCR", "HKCU", "HKLM"};
  const PrefixSnapshot before = TakeSnapshot(fileRoots, registryRoots, scratch.path());
  ASSERT_TRUE(before.complete);

  gui::Program install(setup, gui::LaunchOptions{"", {{"TEMP", temp.path()}, {"TMP", temp.path()}}});
  HWND sheet = WaitForWizard(install, package.product);
  ASSERT_NE(sheet, nullptr);
  ASSERT_TRUE(GoToFinishPage(sheet, installFolder));
  for (int box : {kDesktopBox, kStartMenuBox}) ASSERT_TRUE(gui::Click(WaitForPageControl(sheet, box))) << box;
  ASSERT_TRUE(gui::Click(gui::Control(sheet, kWizardFinish)));
  ASSERT_EQ(install.WaitForExit(), std::optional<DWORD>(0));
  // What the program would write for itself, for the uninstaller's key and value specs.
  SetRegText(HKEY_CURRENT_USER, "Software\\" + package.product + "Data", "Setting", "1");
  SetRegText(HKEY_CURRENT_USER, "Software\\" + package.SharedKey(), package.product.c_str(), "1");

  // The snapshots see the install: its folder, a shortcut, a file type and the uninstall entry.
  const PrefixSnapshot installed = TakeSnapshot(fileRoots, registryRoots, scratch.path());
  const SnapshotDifference added = Compare(before, installed, {}, {});
  EXPECT_TRUE(Contains(added.addedPaths, Lowered(installFolder + "\\app.exe"))) << Describe(added);
  EXPECT_TRUE(Contains(added.addedPaths, Lowered(desktop + package.product + ".lnk")));
  EXPECT_TRUE(Contains(added.addedKeys, "hkey_classes_root\\.skq"));
  EXPECT_TRUE(Contains(added.addedKeys, "hkey_local_machine\\software\\microsoft\\windows\\currentversion\\uninstall\\" +
                                            Lowered(package.product)));

  gui::Program uninstall(installFolder + "\\unwise.exe", gui::LaunchOptions{"", {{"TEMP", temp.path()}, {"TMP", temp.path()}}});
  ASSERT_TRUE(uninstall.WaitForExit()) << "the first run only relocates";
  HWND window = WaitForUnwiseWindow(package.product);
  ASSERT_NE(window, nullptr);
  DWORD copyId = 0;
  GetWindowThreadProcessId(window, &copyId);
  ASSERT_TRUE(RunRemovalIn(window));
  ASSERT_TRUE(gui::Click(gui::Control(window, IDOK)));
  ASSERT_TRUE(gui::WaitForWindowGone(window));
  if (HANDLE copy = OpenProcess(SYNCHRONIZE, FALSE, copyId)) {
    EXPECT_EQ(WaitForSingleObject(copy, gui::DefaultWaitMs()), WAIT_OBJECT_0);
    CloseHandle(copy);
  }

  const PrefixSnapshot after = TakeSnapshot(fileRoots, registryRoots, scratch.path());
  ASSERT_TRUE(after.complete);
  const std::vector<AllowedChange> allowedPaths = {
      {temp.path() + "setupkit-unwise-", "the relocated uninstaller stays in its private folder for the next run to clear"},
      {SpecialFolder(CSIDL_APPDATA) + "\\Microsoft\\Internet Explorer\\",
       "the Quick Launch folder, made for the shortcut, is the user's and stays"},
  };
  const char* const kSharedShell = "the all-files menu key, made for the entry where the prefix had none, is shared and stays";
  const std::vector<AllowedChange> allowedKeys = {
      {"hkey_current_user\\software\\wine", "Wine's own per-user settings"},
      {"hkey_classes_root\\*\\shell", kSharedShell, true},
      {"hkey_local_machine\\software\\classes\\*\\shell", kSharedShell, true},
      {"hkey_local_machine\\software\\microsoft\\windows nt\\currentversion\\networkcards", "Wine lists the host's network cards"},
      {"hkey_local_machine\\software\\wow6432node\\microsoft\\windows nt\\currentversion\\networkcards", "the same, 32-bit view"},
      {"hkey_local_machine\\system\\currentcontrolset\\control\\deviceclasses", "Wine's device manager records its devices"},
      {"hkey_local_machine\\system\\currentcontrolset\\control\\servicecurrent", "Wine counts the services it starts"},
  };
  const SnapshotDifference left = Compare(before, after, allowedPaths, allowedKeys);
  EXPECT_TRUE(left.empty()) << Describe(left);
  RegDeleteTreeA(HKEY_CURRENT_USER, ("Software\\" + package.SharedKey()).c_str());
}

}  // namespace
}  // namespace sk::test
