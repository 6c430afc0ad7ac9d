// The finish page under the driver: its boxes for the file list and the configuration, and what
// Finish leaves behind (shortcuts read back through the shell, setup.log byte for byte, the
// programs it starts, which are probes of ours) or, after the close box, does not.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "install/win/platform_folders.h"
#include "install/win/shortcut.h"
#include "package/setup_log.h"
#include "shared/com_helpers.h"
#include "support/temp_dir.h"
#include "win/child_process.h"
#include "win/driver/input.h"
#include "win/driver/program.h"
#include "win/driver/windows.h"
#include "win/no_menu_builder.h"
#include "win/setup_gui.h"
#include "win/wizard_gui.h"

namespace sk::test {
namespace {

using gui::Control;

constexpr int kFinish = kWizardFinish;
constexpr int kBoxIds[5] = {1010, 1016, 1013, 1019, 1022};  // desktop, start menu, group, readme, run
constexpr int kLine1 = 1041, kLine2 = 1042, kClosing = 1043;
constexpr int kBoxText = 1105, kFirstButton = 1100, kSecondButton = 1102;
// Longer than the 47 bytes the page's texts were once cut to.
const std::string kLongLine = "This first line of the finish page runs on well past forty-seven bytes.";

std::string Probe() { return ReadAll(HostPath(SK_FINISH_PROBE_EXE)); }

std::string ShellFolder(int csidl) {
  char path[MAX_PATH] = {};
  return SHGetSpecialFolderPathA(nullptr, path, csidl, TRUE) ? std::string(path) + "\\" : std::string();
}

struct Folders {
  std::string quickLaunch = ShellFolder(CSIDL_APPDATA) + "Microsoft\\Internet Explorer\\Quick Launch\\";
  std::string desktop = ShellFolder(CSIDL_DESKTOPDIRECTORY);
  std::string startMenu = ShellFolder(CSIDL_STARTMENU);
  std::string programs = ShellFolder(CSIDL_PROGRAMS);
};

struct Link {
  std::string target, folder, description;
};

// A link file as the shell reads it back.
std::optional<Link> ReadLink(const std::string& path) {
  ComPtr<IShellLinkA> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.PutVoid())))
    return std::nullopt;
  ComPtr<IPersistFile> file;
  if (FAILED(link->QueryInterface(IID_IPersistFile, file.PutVoid()))) return std::nullopt;
  wchar_t wide[MAX_PATH] = {};
  MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
  if (FAILED(file->Load(wide, STGM_READ))) return std::nullopt;
  char target[MAX_PATH] = {}, folder[MAX_PATH] = {}, description[MAX_PATH] = {};
  link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH);
  link->GetWorkingDirectory(folder, MAX_PATH);
  link->GetDescription(description, MAX_PATH);
  return Link{target, folder, description};
}

std::set<std::string> Names(const std::string& folder) {
  std::set<std::string> names;
  std::error_code error;
  for (const auto& item : std::filesystem::directory_iterator(folder, error))
    names.insert(item.path().filename().string());
  return names;
}

TEST(FinishShortcut, IsSavedWithTargetFolderAndDescriptionOrNotAtAll) {
  const ComApartment com;
  ASSERT_TRUE(com.ok());
  const NoMenuBuilder noMenuBuilder;
  TempDir dir;
  const std::string target = "C:\\Program Files\\Demo\\demo.exe";
  ASSERT_TRUE(CreateShortcut(target, dir.File("Demo.lnk"), "The demo"));
  const auto link = ReadLink(dir.File("Demo.lnk"));
  ASSERT_TRUE(link);
  EXPECT_EQ(link->target, target);
  EXPECT_EQ(link->folder, "C:\\Program Files\\Demo");
  EXPECT_EQ(link->description, "The demo");
  EXPECT_FALSE(CreateShortcut(target, dir.File("missing\\Demo.lnk"), "")) << "its folder is not made here";
  EXPECT_FALSE(FileExists(dir.File("missing\\Demo.lnk")));

  const ShortcutFolders found = QueryShortcutFolders();
  const Folders expected;
  EXPECT_EQ(found.quickLaunch, expected.quickLaunch);
  EXPECT_EQ(found.desktop, expected.desktop);
  EXPECT_EQ(found.startMenu, expected.startMenu);
  EXPECT_EQ(found.programs, expected.programs);
}

// A package whose finish page has texts of its own, no registry entries, installed into a
// folder of the test's own; the shortcuts and the program group it may make are removed
// afterwards.
class FinishTest : public testing::Test {
 protected:
  FinishTest() {
    SetupConfig& c = config_;
    c.productKey.clear();
    c.uninstallDisplayName.clear();
    const char* texts[8] = {"", "second line", "closing line", "on the desktop", "in the start menu",
                            "in the program group", "read me", "run it"};
    c.pageTexts[kFinishPage][0] = kLongLine;
    for (std::size_t i = 1; i < 8; ++i) c.pageTexts[kFinishPage][i] = texts[i];
    installFolder_ = target_.File("Finish Dir");
  }
  ~FinishTest() override {
    std::error_code error;
    std::filesystem::remove_all(folders_.programs + product_, error);
    for (const std::string& link : links_) DeleteFileA(link.c_str());
  }
  void SetUp() override { ASSERT_TRUE(com_.ok()); }

  // Starts setup and brings it to the finish page; the page's window.
  HWND StartAtFinishPage() {
    program_ = std::make_unique<gui::Program>(WriteSetupWithFiles(folder_, config_, files_),
                                              gui::LaunchOptions{"", {{"TEMP", temp_.path()}, {"TMP", temp_.path()}}});
    sheet_ = WaitForWizard(*program_, product_);
    if (!sheet_ || !GoToFinishPage(sheet_, installFolder_)) return nullptr;
    HWND box = WaitForPageControl(sheet_, kBoxIds[0]);
    return box ? GetParent(box) : nullptr;
  }
  void Tick(HWND page, int id) {
    ASSERT_TRUE(gui::Click(Control(page, id)));
    ASSERT_TRUE(gui::WaitUntil([&] { return gui::CheckState(Control(page, id)) == BST_CHECKED; }));
  }
  void PressFinish() {
    ASSERT_TRUE(gui::Click(Control(sheet_, kFinish)));
    ASSERT_EQ(program_->WaitForExit(gui::DefaultWaitMs() * 4), 0u);
  }
  // An entry installed into the install folder; the reference holds until the next one.
  FileEntry& Add(const std::string& name, const std::string& data) {
    FileEntry entry;
    entry.name = name;
    files_.emplace_back(entry, data);
    return files_.back().first;
  }
  // A shortcut the test expects, removed afterwards.
  std::string Expect(const std::string& link) {
    links_.push_back(link);
    return link;
  }
  std::string Installed(const std::string& name) const { return installFolder_ + "\\" + name; }
  std::string Group() const { return folders_.programs + product_ + "\\"; }
  // setup's message box (the dialog with the message text), once shown.
  HWND WaitForBox() { return WaitForMessageBox(*program_, ""); }

  ComApartment com_;
  NoMenuBuilder noMenuBuilder_;
  Folders folders_;
  std::string product_ = Unique("SkFinish");
  SetupConfig config_ = EnglishWizardConfig(product_, "1.0");
  std::vector<std::pair<FileEntry, std::string>> files_;
  TempDir folder_, temp_, target_;
  std::string installFolder_;
  std::unique_ptr<gui::Program> program_;
  HWND sheet_ = nullptr;
  std::vector<std::string> links_;
};

struct BoxCase {
  const char* name;
  std::vector<std::int32_t> flags;  // one entry per value
  const char* readme;
  const char* run;
  bool enabled[3];  // desktop, start menu, group
  bool readmeShown, runShown;
  bool textsOnly;
};

class FinishBoxes : public FinishTest, public testing::WithParamInterface<BoxCase> {};

TEST_P(FinishBoxes, FollowTheFileListAndTheConfiguration) {
  const BoxCase& c = GetParam();
  for (std::size_t i = 0; i < c.flags.size(); ++i)
    Add("f" + std::to_string(i) + ".txt", "x").shortcutFlags = c.flags[i];
  config_.readme = c.readme;
  config_.runProgram = c.run;
  HWND page = StartAtFinishPage();
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(gui::ControlText(sheet_, kFinish), "t5");
  EXPECT_FALSE(gui::IsShown(Control(sheet_, IDCANCEL)));
  EXPECT_FALSE(gui::IsShown(Control(sheet_, 0x3023)));
  EXPECT_EQ(gui::ControlText(page, kLine1), kLongLine) << "shown whole";
  EXPECT_EQ(gui::ControlText(page, kLine2), "second line");
  EXPECT_EQ(gui::ControlText(page, kClosing), "closing line");
  const int initial[5] = {BST_UNCHECKED, BST_UNCHECKED, BST_CHECKED, BST_UNCHECKED, BST_UNCHECKED};
  for (int i = 0; i < 5; ++i) {
    HWND box = Control(page, kBoxIds[i]);
    EXPECT_EQ(gui::ControlText(page, kBoxIds[i]), config_.pageTexts[kFinishPage][3 + static_cast<std::size_t>(i)]);
    EXPECT_EQ(gui::CheckState(box), initial[i]) << kBoxIds[i] << ": a disabled box keeps its value";
    if (i < 3) EXPECT_EQ(gui::IsEnabled(box), c.enabled[i]) << kBoxIds[i];
  }
  const bool shown[5] = {!c.textsOnly, !c.textsOnly, !c.textsOnly, c.readmeShown, c.runShown};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(gui::IsShown(Control(page, kBoxIds[i])), shown[i]) << kBoxIds[i];
  const int texts[3] = {kLine1, kLine2, kClosing};
  for (int i = 0; i < 3; ++i) {
    const RECT text = gui::ScreenRect(Control(page, texts[i]));
    const RECT box = gui::ScreenRect(Control(page, kBoxIds[i]));
    EXPECT_EQ(EqualRect(&text, &box) != 0, c.textsOnly) << texts[i] << " stands where box " << kBoxIds[i] << " was";
  }
  program_->Kill();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FinishBoxes,
    testing::Values(BoxCase{"EveryChoice", {kDesktopShortcut | kStartMenuShortcut | kProgramGroupShortcut},
                            "INSTALL\\r.txt", "INSTALL\\p.exe", {true, true, true}, true, true, false},
                    BoxCase{"StartMenuOnlyNoReadme", {0, kStartMenuShortcut}, "", "INSTALL\\p.exe",
                            {false, true, false}, false, true, false},
                    BoxCase{"ReadmeOnly", {0}, "INSTALL\\r.txt", "", {false, false, false}, true, false, false},
                    BoxCase{"NoChoiceAtAll", {0}, "", "", {false, false, false}, false, false, true}),
    [](const testing::TestParamInfo<BoxCase>& info) { return std::string(info.param.name); });

TEST_F(FinishTest, MakesEveryShortcutKindAndWritesTheLogOverAReadOnlyOne) {
  FileEntry& app = Add("app.exe", "MZ-app");
  app.shortcutFlags = kDesktopShortcut | kStartMenuShortcut | kProgramGroupShortcut;
  app.shortcutName = "App";
  app.shortcutDescription = "The app";
  app.groupSubFolder = "Tools";
  app.quickLaunch = true;
  app.logged = true;
  FileEntry& tool = Add("tool.exe", "MZ-tool");
  tool.shortcutFlags = kProgramGroupShortcut;
  tool.shortcutDescription = "A tool";
  tool.logged = true;
  Add("notes.txt", "not logged");
  Add("readme.exe", Probe()).logged = true;
  Add("run.exe", Probe());
  config_.readme = "INSTALL\\readme.exe";
  config_.runProgram = "INSTALL\\run.exe";
  config_.fileTypes[1] = {"INSTALL\\app.exe", "skf", 0};
  config_.fileMenuName = product_ + " open";
  config_.fileMenuProgram = "INSTALL\\app.exe";
  ASSERT_TRUE(CreateDirectoryA(installFolder_.c_str(), nullptr));
  WriteAll(Installed("setup.log"), "a log of an earlier installation, longer than this one's head");
  ASSERT_TRUE(SetFileAttributesA(Installed("setup.log").c_str(), FILE_ATTRIBUTE_READONLY));

  HWND page = StartAtFinishPage();
  ASSERT_NE(page, nullptr);
  for (int id : {1010, 1016, 1019, 1022}) Tick(page, id);
  PressFinish();
  RegDeleteTreeA(HKEY_CLASSES_ROOT, ".skf");
  RegDeleteTreeA(HKEY_CLASSES_ROOT, "skffile");
  RegDeleteTreeA(HKEY_CLASSES_ROOT, ("*\\shell\\" + config_.fileMenuName).c_str());

  const std::vector<std::string> shortcuts = {
      Expect(folders_.quickLaunch + "App.lnk"), Expect(folders_.desktop + "App.lnk"),
      Expect(folders_.startMenu + "App.lnk"),
      Group() + "Tools\\App.lnk", Group() + "tool.lnk"};
  SetupLogHead head;
  head.files = {Installed("app.exe"), Installed("tool.exe"), Installed("readme.exe")};
  head.extensions = {"skf"};
  head.fileMenuName = config_.fileMenuName;
  std::string log = SetupLogHeadBytes(head);
  for (const std::string& path : shortcuts) log += SetupLogLine(path);
  EXPECT_EQ(ReadAll(Installed("setup.log")), log);

  for (const std::string& path : shortcuts) {
    const auto link = ReadLink(path);
    ASSERT_TRUE(link) << path;
    const bool isTool = path == shortcuts.back();
    EXPECT_EQ(link->target, Installed(isTool ? "tool.exe" : "app.exe")) << path;
    EXPECT_EQ(link->folder, installFolder_) << path;
    EXPECT_EQ(link->description, isTool ? "A tool" : "The app") << path;
  }
  // The uninstaller's own link, once for the two group entries, and not in the log.
  const std::string unwise = "Unwise " + product_ + ".lnk";
  EXPECT_EQ(Names(Group()), (std::set<std::string>{unwise, "Tools", "tool.lnk"}));
  const auto link = ReadLink(Group() + unwise);
  ASSERT_TRUE(link);
  EXPECT_EQ(link->target, Installed("unwise.exe"));
  EXPECT_EQ(link->description, "");

  for (const char* probe : {"readme.exe", "run.exe"})
    EXPECT_TRUE(gui::WaitUntil([&] { return FileExists(Installed(probe) + ".ran"); })) << probe << " was started";
}

TEST_F(FinishTest, AShortcutThatCannotBeMadeIsListedAllTheSame) {
  FileEntry& app = Add("app.exe", "MZ-app");
  app.shortcutFlags = kProgramGroupShortcut;
  app.groupSubFolder = "no|such";  // no folder can have this name
  app.logged = true;
  ASSERT_NE(StartAtFinishPage(), nullptr);
  PressFinish();
  SetupLogHead head;
  head.files = {Installed("app.exe")};
  EXPECT_EQ(ReadAll(Installed("setup.log")), SetupLogHeadBytes(head) + SetupLogLine(Group() + "no|such\\app.lnk"));
  EXPECT_EQ(Names(Group()), std::set<std::string>{"Unwise " + product_ + ".lnk"});
}

TEST_F(FinishTest, ATemporaryPostInstallProgramKeepsSetupUntilItEndsAndIsThenDeleted) {
  FileEntry& post = Add("setup2.exe", Probe());
  post.shortcutFlags = kProgramGroupShortcut;
  post.logged = true;
  Add("app.txt", "data").logged = true;
  config_.postInstallProgram = "INSTALL\\setup2.exe";
  config_.postInstallParameters = "hold";
  config_.postInstallTemporary = true;
  ASSERT_NE(StartAtFinishPage(), nullptr);
  ASSERT_TRUE(gui::Click(Control(sheet_, kFinish)));

  const std::string program = Installed("setup2.exe");
  ASSERT_TRUE(gui::WaitUntil([&] { return FileExists(program + ".ran"); }, gui::DefaultWaitMs() * 4));
  EXPECT_TRUE(gui::WaitForWindowGone(sheet_));
  EXPECT_TRUE(program_->running()) << "setup waits for the program it started";
  EXPECT_EQ(ReadAll(program + ".ran"), installFolder_ + "\nhold") << "in the install folder, with its parameters";
  SetupLogHead head;
  head.files = {Installed("app.txt")};
  EXPECT_EQ(ReadAll(Installed("setup.log")), SetupLogHeadBytes(head)) << "neither logged nor given a shortcut";
  EXPECT_FALSE(FileExists(Group()));

  WriteAll(program + ".release", "");
  EXPECT_EQ(program_->WaitForExit(gui::DefaultWaitMs() * 4), 0u);
  EXPECT_TRUE(FileExists(program + ".done"));
  EXPECT_FALSE(FileExists(program));
}

TEST_F(FinishTest, WithoutUninstallerTheLogGoesAndTheParametersAloneAreOpened) {
  Add("app.exe", "MZ-app").shortcutFlags = kProgramGroupShortcut;
  Add("opened.exe", Probe());
  config_.noUninstaller = true;
  config_.postInstallParameters = "opened.exe";
  ASSERT_NE(StartAtFinishPage(), nullptr);
  PressFinish();
  EXPECT_FALSE(FileExists(Installed("setup.log")));
  EXPECT_EQ(Names(Group()), std::set<std::string>{"app.lnk"}) << "the group without the uninstaller's link";
  ASSERT_TRUE(gui::WaitUntil([&] { return FileExists(Installed("opened.exe.ran")); }));
  EXPECT_EQ(ReadAll(Installed("opened.exe.ran")), installFolder_ + "\n");
}

TEST_F(FinishTest, TheCloseBoxAsksOnceAndWithTheSecondAnswerLeavesNoLogAndNoShortcut) {
  FileEntry& app = Add("app.exe", "MZ-app");
  app.shortcutFlags = kProgramGroupShortcut;
  app.quickLaunch = true;
  ASSERT_NE(StartAtFinishPage(), nullptr);
  // The first answer stays on the page, and one press of the close box is one question.
  ASSERT_TRUE(gui::UseCloseBox(sheet_));
  HWND box = WaitForBox();
  ASSERT_NE(box, nullptr);
  ASSERT_TRUE(gui::Click(Control(box, kFirstButton)));
  ASSERT_TRUE(gui::WaitForWindowGone(box));
  EXPECT_EQ(WaitForBox(), nullptr) << "the question came again";
  EXPECT_TRUE(IsWindow(sheet_));

  ASSERT_TRUE(gui::UseCloseBox(sheet_));
  box = WaitForBox();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(gui::ControlText(box, kBoxText), "t15");
  EXPECT_EQ(gui::ControlText(box, kFirstButton), "t9");
  EXPECT_EQ(gui::ControlText(box, kSecondButton), "t10");
  ASSERT_TRUE(gui::Click(Control(box, kSecondButton)));
  EXPECT_EQ(program_->WaitForExit(gui::DefaultWaitMs() * 4), 0u);
  EXPECT_TRUE(FileExists(Installed("app.exe")));
  EXPECT_FALSE(FileExists(Installed("setup.log")));
  EXPECT_FALSE(FileExists(Group()));
  EXPECT_FALSE(FileExists(Expect(folders_.quickLaunch + "app.lnk")));
}

TEST_F(FinishTest, ALogThatCannotBeCreatedIsReportedAndNothingElseHappens) {
  FileEntry& app = Add("app.exe", "MZ-app");
  app.shortcutFlags = kProgramGroupShortcut;
  app.quickLaunch = true;
  Add("run.exe", Probe());
  config_.runProgram = "INSTALL\\run.exe";
  ASSERT_TRUE(CreateDirectoryA(installFolder_.c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryA(Installed("setup.log").c_str(), nullptr));  // no file can take its place
  HWND page = StartAtFinishPage();
  ASSERT_NE(page, nullptr);
  Tick(page, 1022);
  ASSERT_TRUE(gui::Click(Control(sheet_, kFinish)));
  HWND box = WaitForBox();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(gui::ControlText(box, kBoxText), "Create setup.log failure!");
  EXPECT_EQ(gui::ControlText(box, kFirstButton), "OK");
  ASSERT_TRUE(gui::Click(Control(box, kFirstButton)));
  EXPECT_EQ(program_->WaitForExit(gui::DefaultWaitMs() * 4), 0u);
  EXPECT_FALSE(FileExists(Group()));
  EXPECT_FALSE(FileExists(Expect(folders_.quickLaunch + "app.lnk")));
  EXPECT_FALSE(FileExists(Installed("run.exe.ran")));
}

}  // namespace
}  // namespace sk::test
