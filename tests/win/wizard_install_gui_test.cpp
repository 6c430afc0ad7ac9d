// The wizard from the welcome page to the finish page under the driver: files installed, the
// registry entries written, and the folder page left out.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "support/temp_dir.h"
#include "support/test_package.h"
#include "win/child_process.h"
#include "win/driver/input.h"
#include "win/driver/program.h"
#include "win/driver/windows.h"
#include "win/setup_gui.h"
#include "win/wizard_gui.h"

namespace sk::test {
namespace {

using gui::Control;

// A package of two plain files, English texts and a product key of this process's own.
struct WizardPackage {
  std::string product = Unique("SkWizard");
  SetupConfig config = EnglishWizardConfig(product, "1.5");
  std::vector<std::pair<std::string, std::string>> files = {{"readme.txt", "hello"}, {"app.exe", "MZ-program"}};

  WizardPackage() {
    config.fileTypes[0] = {"INSTALL\\app.exe", "skw", 2};
    config.fileMenuName = product + " open";
    config.fileMenuProgram = "INSTALL\\app.exe";
    config.folderMenuName = product + " missing";
    config.folderMenuProgram = "INSTALL\\missing.exe";
  }

  std::string Write(const TempDir& folder) const {
    std::vector<std::pair<FileEntry, std::string>> entries;
    for (const auto& [name, data] : files) {
      FileEntry entry;
      entry.name = name;
      entries.emplace_back(entry, data);
    }
    return WriteSetupWithFiles(folder, config, entries);
  }
};

void RemoveRegistration(const WizardPackage& package) {
  RegDeleteTreeA(HKEY_CURRENT_USER, ("Software\\" + package.product).c_str());
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, ("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + package.product).c_str());
  RegDeleteTreeA(HKEY_CLASSES_ROOT, ".skw");
  RegDeleteTreeA(HKEY_CLASSES_ROOT, "skwfile");
  RegDeleteTreeA(HKEY_CLASSES_ROOT, ("*\\shell\\" + package.config.fileMenuName).c_str());
}

TEST(WizardInstall, InstallsThroughEveryPageAndRegistersTheProduct) {
  WizardPackage package;
  TempDir folder, temp, target;
  const std::string installFolder = target.File("Product Dir");
  gui::Program program(package.Write(folder), gui::LaunchOptions{"", {{"TEMP", temp.path()}, {"TMP", temp.path()}}});
  HWND sheet = WaitForWizard(program, package.product);
  ASSERT_NE(sheet, nullptr);
  ASSERT_TRUE(WaitForButton(sheet, kWizardNext));
  ASSERT_TRUE(gui::Click(Control(sheet, kWizardNext)));
  // The agreement page offers Next only once accepted.
  HWND accept = WaitForPageControl(sheet, kAgreementAccept);
  ASSERT_NE(accept, nullptr);
  EXPECT_TRUE(gui::WaitUntil([&] { return !gui::IsEnabled(Control(sheet, kWizardNext)); }));
  ASSERT_TRUE(gui::Click(accept));
  ASSERT_TRUE(WaitForButton(sheet, kWizardNext));
  ASSERT_TRUE(gui::Click(Control(sheet, kWizardNext)));
  HWND edit = WaitForPageControl(sheet, kFolderEdit);
  ASSERT_NE(edit, nullptr);
  DWORD_PTR ignored = 0;
  ASSERT_TRUE(SendMessageTimeoutA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(installFolder.c_str()), SMTO_ABORTIFHUNG,
                                  gui::DefaultWaitMs(), &ignored));
  ASSERT_TRUE(gui::Click(Control(sheet, kWizardNext)));
  ASSERT_TRUE(WaitForButton(sheet, kWizardFinish));
  ASSERT_TRUE(gui::Click(Control(sheet, kWizardFinish)));
  const auto exitCode = program.WaitForExit();
  ASSERT_TRUE(exitCode);
  EXPECT_EQ(*exitCode, 0u);

  for (const auto& [name, data] : package.files) EXPECT_EQ(ReadAll(installFolder + "\\" + name), data) << name;
  EXPECT_TRUE(FileExists(installFolder + "\\unwise.exe"));
  const std::string app = installFolder + "\\app.exe";
  const std::string uninstall = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + package.product;
  EXPECT_EQ(RegText(HKEY_CLASSES_ROOT, ".skw", ""), "skwfile");
  EXPECT_EQ(StoredBytes(HKEY_CLASSES_ROOT, L".skw", L""), 7 * sizeof(wchar_t));  // no terminating zero
  EXPECT_EQ(RegText(HKEY_CLASSES_ROOT, "skwfile\\DefaultIcon", ""), app + ",2");
  EXPECT_EQ(RegText(HKEY_CLASSES_ROOT, "skwfile\\shell\\open\\command", ""), "\"" + app + "\" \"%1\"");
  EXPECT_EQ(RegText(HKEY_CLASSES_ROOT, "*\\shell\\" + package.config.fileMenuName + "\\command", ""), "\"" + app + "\"");
  // The folder entry's program was never installed, so the entry is dropped.
  EXPECT_FALSE(RegText(HKEY_CLASSES_ROOT, "folder\\shell\\" + package.config.folderMenuName + "\\command", ""));
  EXPECT_EQ(RegText(HKEY_LOCAL_MACHINE, uninstall, "DisplayName"), package.product + " display");
  EXPECT_EQ(RegText(HKEY_LOCAL_MACHINE, uninstall, "UninstallString"), "\"" + installFolder + "\\unwise.exe\"");
  EXPECT_EQ(RegText(HKEY_LOCAL_MACHINE, uninstall, "NoModify"), "1");
  EXPECT_EQ(RegText(HKEY_CURRENT_USER, "Software\\" + package.product, "InstallPath"), installFolder);
  EXPECT_EQ(RegText(HKEY_CURRENT_USER, "Software\\" + package.product, "Version"), "1.5");
  std::string setupFolder = folder.path();
  if (!setupFolder.empty() && setupFolder.back() == '\\') setupFolder.pop_back();
  EXPECT_EQ(RegText(HKEY_CURRENT_USER, "Software\\" + package.product, "SourcePath"), setupFolder);
  RemoveRegistration(package);
}

TEST(WizardInstall, FolderPageLeftOutGivesFourPagesAndTheDefaultFolder) {
  WizardPackage package;
  package.config.pageTexts[kFolderPage][7] = "TRUE";
  package.config.pageTexts[kFolderPage][6] = "\xce\xd2\xb5\xc4\xce\xc4\xb5\xb5";  // 我的文档
  package.config.pageTexts[kFolderPage][5] = package.product;
  package.config.noUninstaller = true;
  TempDir folder, temp;
  gui::Program program(package.Write(folder), gui::LaunchOptions{"", {{"TEMP", temp.path()}, {"TMP", temp.path()}}});
  HWND sheet = WaitForWizard(program, package.product);
  ASSERT_NE(sheet, nullptr);
  LRESULT pages = 0;
  ASSERT_TRUE(gui::Ask(sheet, PSM_GETTABCONTROL, 0, 0, pages));
  const HWND tabs = reinterpret_cast<HWND>(pages);
  LRESULT count = 0;
  ASSERT_TRUE(gui::Ask(tabs, TCM_GETITEMCOUNT, 0, 0, count));
  EXPECT_EQ(count, 4);
  ASSERT_TRUE(WaitForButton(sheet, kWizardNext));
  ASSERT_TRUE(gui::Click(Control(sheet, kWizardNext)));
  HWND accept = WaitForPageControl(sheet, kAgreementAccept);
  ASSERT_NE(accept, nullptr);
  ASSERT_TRUE(gui::Click(accept));
  ASSERT_TRUE(WaitForButton(sheet, kWizardNext));
  EXPECT_EQ(gui::ControlText(sheet, kWizardNext), "t4");
  ASSERT_TRUE(gui::Click(Control(sheet, kWizardNext)));
  ASSERT_TRUE(WaitForButton(sheet, kWizardFinish));
  LRESULT index = -1;
  ASSERT_TRUE(gui::Ask(sheet, PSM_GETCURRENTPAGEHWND, 0, 0, index));
  LRESULT finishIndex = -1;
  ASSERT_TRUE(gui::Ask(sheet, PSM_HWNDTOINDEX, static_cast<WPARAM>(index), 0, finishIndex));
  EXPECT_EQ(finishIndex, 3);
  ASSERT_TRUE(gui::Click(Control(sheet, kWizardFinish)));
  ASSERT_TRUE(program.WaitForExit());
  char documents[MAX_PATH] = {};
  ASSERT_TRUE(SHGetSpecialFolderPathA(nullptr, documents, CSIDL_PERSONAL, FALSE));
  const std::string installed = std::string(documents) + "\\" + package.product;
  EXPECT_EQ(ReadAll(installed + "\\readme.txt"), "hello");
  EXPECT_FALSE(FileExists(installed + "\\unwise.exe"));
  EXPECT_FALSE(RegText(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + package.product,
                       "DisplayName"));
  RemoveRegistration(package);
  for (const auto& [name, data] : package.files) DeleteFileA((installed + "\\" + name).c_str());
  RemoveDirectoryA(installed.c_str());
}

TEST(WizardInstall, AbortAtTheFreeSpaceQuestionShowsNoWizard) {
  WizardPackage package;
  package.config.pageTexts[kFolderPage][7] = "TRUE";
  package.config.pageTexts[kFolderPage][6] = "\xce\xd2\xb5\xc4\xce\xc4\xb5\xb5";  // 我的文档
  package.config.pageTexts[kFolderPage][5] = package.product;
  package.config.requiredMegabytes = "99999999";
  TempDir folder, temp;
  gui::Program program(package.Write(folder), gui::LaunchOptions{"", {{"TEMP", temp.path()}, {"TMP", temp.path()}}});
  gui::WindowQuery query;
  query.processId = program.id();
  query.className = "#32770";
  HWND box = gui::WaitForWindow(query);
  ASSERT_NE(box, nullptr);
  const std::string question = gui::ControlText(box, 1105);
  EXPECT_EQ(question.rfind("The setup need space 99999999.0 MB,but left only ", 0), 0u) << question;
  EXPECT_EQ(gui::ControlText(box, 1100), "Retry");
  EXPECT_EQ(gui::ControlText(box, 1102), "Abort");
  EXPECT_EQ(gui::ControlText(box, 1104), "Ignore");
  // Retry measures again and, still short of space, asks again.
  ASSERT_TRUE(gui::Click(Control(box, 1100)));
  ASSERT_TRUE(gui::WaitForWindowGone(box));
  box = gui::WaitForWindow(query);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(gui::ControlText(box, 1105).rfind("The setup need space 99999999.0 MB", 0), 0u);
  ASSERT_TRUE(gui::Click(Control(box, 1102)));
  const auto exitCode = program.WaitForExit();
  ASSERT_TRUE(exitCode);
  EXPECT_EQ(*exitCode, 4u);  // aborted at the free-space question
}

}  // namespace
}  // namespace sk::test
