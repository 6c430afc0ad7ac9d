#include "install/finish_plan.h"

#include <gtest/gtest.h>

namespace sk {
namespace {

const ShortcutFolders kFolders{"C:\\QL\\", "C:\\Desk\\", "C:\\Start\\", "C:\\Start\\Programs\\"};

BaseFolders Folders() {
  BaseFolders f;
  f.install = "C:\\App";
  f.system = "C:\\WINDOWS\\system32";
  return f;
}

FileEntry Entry(const std::string& name, std::int32_t flags, bool logged = true) {
  FileEntry e;
  e.name = name;
  e.shortcutFlags = flags;
  e.logged = logged;
  return e;
}

std::vector<std::string> Steps(const FinishPlan& plan) {
  std::vector<std::string> out;
  const char* kinds[] = {"folder", "unwise", "link"};
  for (const auto& s : plan.steps) out.push_back(std::string(kinds[s.kind]) + " " + s.path + (s.target.empty() ? "" : " -> " + s.target));
  return out;
}

TEST(FinishPlan, ShortcutNamesAndPaths) {
  FileEntry e = Entry("demo.app.exe", 0);
  EXPECT_EQ(ShortcutName(e), "demo");
  e.name = "setup";
  EXPECT_EQ(ShortcutPath(e, ShortcutKind::Desktop, kFolders, "G"), "C:\\Desk\\.lnk");
  e.name = "demo.exe";
  e.shortcutName = "Demo";
  e.groupSubFolder = "Tools";
  EXPECT_EQ(ShortcutPath(e, ShortcutKind::ProgramGroup, kFolders, "Demo Suite"), "C:\\Start\\Programs\\Demo Suite\\Tools\\Demo.lnk");
  EXPECT_EQ(ShortcutPath(e, ShortcutKind::QuickLaunch, kFolders, "x"), "C:\\QL\\Demo.lnk");
  EXPECT_EQ(ShortcutPath(e, ShortcutKind::StartMenu, kFolders, "x"), "C:\\Start\\Demo.lnk");
}

TEST(FinishPlan, TheUninstallerShortcutComesOnceBeforeTheFirstGroupShortcut) {
  SetupConfig c;
  c.productName = "Demo";
  c.uiTexts[0] = "FALSE";
  c.files = {Entry("a.exe", kDesktopShortcut | kProgramGroupShortcut), Entry("b.exe", kProgramGroupShortcut)};
  c.files[0].quickLaunch = true;
  const FinishPlan plan = PlanFinish(c, {.desktop = false, .programGroup = true}, Folders(), kFolders);
  EXPECT_EQ(Steps(plan), (std::vector<std::string>{
                             "link C:\\QL\\a.lnk -> C:\\App\\a.exe",
                             "folder C:\\Start\\Programs\\Demo",
                             "unwise C:\\Start\\Programs\\Demo\\Unwise Demo.lnk -> C:\\App\\unwise.exe",
                             "link C:\\Start\\Programs\\Demo\\a.lnk -> C:\\App\\a.exe",
                             "link C:\\Start\\Programs\\Demo\\b.lnk -> C:\\App\\b.exe",
                         }));
  c.uiTexts[0] = "TRUE";
  EXPECT_EQ(PlanFinish(c, {}, Folders(), kFolders).steps[2].path, "C:\\Start\\Programs\\Demo\\\xd0\xb6\xd4\xd8 Demo.lnk");
}

TEST(FinishPlan, BoxesAndSwitchesDecideTheShortcuts) {
  SetupConfig c;
  c.productName = "Demo";
  c.files = {Entry("a.exe", kDesktopShortcut | kProgramGroupShortcut)};
  EXPECT_EQ(Steps(PlanFinish(c, {.desktop = true, .programGroup = false}, Folders(), kFolders)),
            std::vector<std::string>{"link C:\\Desk\\a.lnk -> C:\\App\\a.exe"});
  c.noUninstaller = true;
  EXPECT_EQ(Steps(PlanFinish(c, {}, Folders(), kFolders)),
            (std::vector<std::string>{"folder C:\\Start\\Programs\\Demo", "link C:\\Start\\Programs\\Demo\\a.lnk -> C:\\App\\a.exe"}));
}

TEST(FinishPlan, AFolderThePlatformDoesNotKnowGetsNoShortcut) {
  SetupConfig c;
  c.productName = "Demo";
  c.files = {Entry("a.exe", kDesktopShortcut | kProgramGroupShortcut)};
  c.files[0].quickLaunch = true;
  const ShortcutFolders noDesktop{"C:\\QL\\", "", "C:\\Start\\", "C:\\Start\\Programs\\"};
  EXPECT_EQ(Steps(PlanFinish(c, {.desktop = true, .programGroup = false}, Folders(), noDesktop)),
            std::vector<std::string>{"link C:\\QL\\a.lnk -> C:\\App\\a.exe"});
  const ShortcutFolders noPrograms{"", "C:\\Desk\\", "C:\\Start\\", ""};
  EXPECT_EQ(Steps(PlanFinish(c, {.desktop = true, .programGroup = true}, Folders(), noPrograms)),
            std::vector<std::string>{"link C:\\Desk\\a.lnk -> C:\\App\\a.exe"})
      << "nor the uninstaller's shortcut, nor the group folder";
}

TEST(FinishPlan, TheTemporaryPostInstallProgramIsLeftOut) {
  SetupConfig c;
  c.files = {Entry("setup2.exe", kProgramGroupShortcut), Entry("a.exe", 0), Entry("b.exe", 0, false)};
  c.postInstallProgram = "INSTALL\\setup2.exe";
  c.postInstallTemporary = true;
  c.fileTypes[1].extension = "dmo";
  c.fileMenuName = "Open";
  FinishPlan plan = PlanFinish(c, {}, Folders(), kFolders);
  EXPECT_EQ(plan.postInstallPath, "C:\\App\\setup2.exe");
  EXPECT_EQ(plan.removedEntry, 0u);
  EXPECT_EQ(plan.logHead.files, std::vector<std::string>{"C:\\App\\a.exe"});
  EXPECT_TRUE(plan.steps.empty());
  EXPECT_EQ(SetupLogHeadBytes(plan.logHead), "[FILELIST]\r\r\nC:\\App\\a.exe\r\r\n\r\r\n[TYPELIST]\r\r\ndmo\r\r\n\r\r\n"
                                             "[RIGHTCLICK]\r\r\nFILE\\Open\r\r\n\r\r\n[SHORTCUTLIST]\r\r\n");

  c.postInstallTemporary = false;
  plan = PlanFinish(c, {}, Folders(), kFolders);
  EXPECT_FALSE(plan.removedEntry);
  EXPECT_EQ(plan.logHead.files.size(), 2u);

  c.files = {Entry("setup2.exe", 0)};
  c.postInstallTemporary = true;
  plan = PlanFinish(c, {}, Folders(), kFolders);
  EXPECT_TRUE(plan.logHead.files.empty()) << "the only entry leaves an empty file section";
}

TEST(FinishPlan, PageLayoutFollowsTheFlagsAndTexts) {
  SetupConfig c;
  FinishPageLayout l = LayOutFinishPage(c);
  EXPECT_TRUE(l.textsOnly);
  c.files = {Entry("a.exe", kStartMenuShortcut)};
  l = LayOutFinishPage(c);
  EXPECT_FALSE(l.textsOnly);
  EXPECT_TRUE(l.startMenuEnabled);
  EXPECT_FALSE(l.desktopEnabled);
  EXPECT_FALSE(l.programGroupEnabled);
  EXPECT_FALSE(l.readmeShown);
  c.files.clear();
  c.readme = "INSTALL\\readme.txt";
  l = LayOutFinishPage(c);
  EXPECT_TRUE(l.readmeShown);
  EXPECT_FALSE(l.textsOnly);
}

TEST(FinishPlan, ReadmeAndProgramOnlyWhenChosenAndConfigured) {
  SetupConfig c;
  c.readme = "INSTALL\\readme.txt";
  c.runProgram = "SYSTEM_FOLDER\\notepad.exe";
  FinishPlan plan = PlanFinish(c, {.readme = true, .run = true}, Folders(), kFolders);
  EXPECT_EQ(plan.readme, "C:\\App\\readme.txt");
  EXPECT_EQ(plan.program, "C:\\WINDOWS\\system32\\notepad.exe");
  plan = PlanFinish(c, {.readme = false, .run = false}, Folders(), kFolders);
  EXPECT_FALSE(plan.readme);
  EXPECT_FALSE(plan.program);
}

TEST(FinishPlan, ParametersWithoutAProgramAreOpenedOnTheirOwn) {
  SetupConfig c;
  c.postInstallParameters = "readme.htm";
  FinishPlan plan = PlanFinish(c, {}, Folders(), kFolders);
  EXPECT_EQ(plan.postInstallPath, "");
  EXPECT_EQ(plan.document, "readme.htm") << "as written: the install folder is the current directory then";
  c.postInstallProgram = "INSTALL\\setup2.exe";
  plan = PlanFinish(c, {}, Folders(), kFolders);
  EXPECT_EQ(plan.postInstallPath, "C:\\App\\setup2.exe");
  EXPECT_FALSE(plan.document) << "they are the program's parameters";
  c = SetupConfig();
  EXPECT_FALSE(PlanFinish(c, {}, Folders(), kFolders).document);
}

}  // namespace
}  // namespace sk
