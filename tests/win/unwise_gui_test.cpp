// unwise.exe started from an install folder: the relocation into its private temporary folder,
// the window's stages and texts in both languages, the remaining files and the missing log.
#include <windows.h>

#include <gtest/gtest.h>

#include "resource_ids.h"
#include "support/temp_dir.h"
#include "unwise/exit_codes.h"
#include "win/driver/capture.h"
#include "win/driver/input.h"
#include "win/driver/wait.h"
#include "win/driver/windows.h"
#include "win/setup_gui.h"
#include "win/unwise_gui.h"

namespace sk::test {
namespace {

constexpr int kListBox = 1224;

// Wine hands a list box's items to another process only in the wide form.
std::string ListItem(HWND list, int index) {
  wchar_t wide[MAX_PATH * 2] = {};
  SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(wide));
  char text[MAX_PATH * 4] = {};
  WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
  return text;
}

struct LanguageCase {
  bool english;
  const char* preparing;
  const char* cancel;
  const char* complete;
  const char* clickToExit;
};

class UnwiseLanguage : public testing::TestWithParam<LanguageCase> {};

TEST_P(UnwiseLanguage, RelocatesRemovesAndEndsOnTheCompleteScreen) {
  const LanguageCase& c = GetParam();
  UnwiseUnderTest unwise(UninstallConfig(c.english));
  WriteAll(unwise.install() + "app.txt", "installed");
  SetupLogHead head;
  head.files = {unwise.install() + "app.txt"};
  unwise.WriteLog(head);
  unwise.Start("ignored arguments");
  EXPECT_EQ(unwise.program().WaitForExit(), static_cast<DWORD>(kUnwiseExitOk)) << "the first run only relocates";
  HWND window = unwise.WaitForWindow();
  ASSERT_NE(window, nullptr);
  const std::string copy = unwise.RelocatedCopy();
  EXPECT_TRUE(FileExists(copy)) << copy;

  EXPECT_EQ(gui::ControlText(window, IDC_UNWISE_STATUS1), c.preparing);
  EXPECT_EQ(gui::ControlText(window, IDCANCEL), c.cancel);
  EXPECT_EQ(gui::ControlText(window, IDOK), UninstallConfig(c.english).uiTexts[6]);
  EXPECT_EQ(gui::ControlText(window, IDC_UNWISE_STATUS2), UninstallConfig(c.english).uiTexts[17]);
  EXPECT_FALSE(gui::IsShown(gui::Control(window, IDC_UNWISE_ANIMATION)));
  EXPECT_FALSE(gui::IsShown(gui::Control(window, kListBox)));
  const RECT before = gui::ScreenRect(gui::Control(window, IDOK));

  ASSERT_TRUE(unwise.RunRemoval(window));
  EXPECT_EQ(gui::ControlText(window, IDC_UNWISE_STATUS1), c.complete);
  EXPECT_EQ(gui::ControlText(window, IDC_UNWISE_STATUS2), c.clickToExit);
  EXPECT_EQ(gui::ControlText(window, IDOK), UninstallConfig(c.english).uiTexts[5]);
  EXPECT_FALSE(gui::IsShown(gui::Control(window, IDCANCEL)));
  const RECT after = gui::ScreenRect(gui::Control(window, IDOK));
  EXPECT_EQ(after.left - before.left, 60);
  EXPECT_EQ(after.right - after.left, before.right - before.left);
  EXPECT_FALSE(FileExists(unwise.install() + "app.txt"));
  EXPECT_FALSE(FileExists(unwise.install() + "unwise.exe"));
  EXPECT_FALSE(FileExists(unwise.LogPath()));
  EXPECT_FALSE(FileExists(unwise.install())) << "the install folder goes with its last files";

  ASSERT_TRUE(gui::Click(gui::Control(window, IDOK)));
  EXPECT_TRUE(gui::WaitForWindowGone(window));
  EXPECT_TRUE(FileExists(copy)) << "the copy stays for the next run to clear";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, UnwiseLanguage,
    testing::Values(LanguageCase{true, "Preparing uninstall Demo...", "Cancel", "Demo uninstall complete.",
                                 "please click [Finish] exit"},
                    LanguageCase{false, "正在准备卸载Demo...", "取消", "Demo 卸载完成...", "请单击 [完成] 退出"}),
    [](const auto& info) { return std::string(info.param.english ? "English" : "Chinese"); });

// The folder of a path: the text before its last backslash.
std::string FolderOfPath(const std::string& path) { return path.substr(0, path.rfind('\\')); }

// Wine keeps no access lists on files, so the folder's list is checked where it is made
// (tests/shared/private_temp_test.cpp); here, that the copy lives in such a folder.
TEST(UnwiseRelocation, TheCopyRunsFromAPrivateFolderThatTheNextRunClears) {
  UnwiseUnderTest unwise(UninstallConfig(true));
  unwise.Start();
  HWND window = unwise.WaitForWindow();
  ASSERT_NE(window, nullptr);
  const std::string first = unwise.RelocatedCopy();
  ASSERT_TRUE(FileExists(first));
  EXPECT_NE(FolderOfPath(first) + "\\", unwise.temp()) << "not the shared temporary folder itself";
  EXPECT_EQ(FolderOfPath(first).rfind(unwise.temp() + "setupkit-unwise-", 0), 0u) << first;
  ASSERT_TRUE(gui::Click(gui::Control(window, IDCANCEL)));
  ASSERT_TRUE(gui::WaitForWindowGone(window));
  EXPECT_TRUE(FileExists(first)) << "the copy stays";

  unwise.Start();
  EXPECT_EQ(unwise.program().WaitForExit(), static_cast<DWORD>(kUnwiseExitOk));
  HWND again = unwise.WaitForWindow();
  ASSERT_NE(again, nullptr);
  EXPECT_FALSE(FileExists(FolderOfPath(first))) << "the earlier run's folder is cleared";
  EXPECT_TRUE(FileExists(unwise.RelocatedCopy()));
  ASSERT_TRUE(gui::Click(gui::Control(again, IDCANCEL)));
  EXPECT_TRUE(gui::WaitForWindowGone(again));
}

struct RemainCase {
  const char* name;
  int button;
  bool removed;
};

class UnwiseRemaining : public testing::TestWithParam<RemainCase> {};

TEST_P(UnwiseRemaining, ListsTheUsersFileAndLetsTheButtonsDecide) {
  UnwiseUnderTest unwise(UninstallConfig(true));
  CreateDirectoryA((unwise.install() + "notes").c_str(), nullptr);
  const std::string own = unwise.install() + "notes\\mine.txt";
  WriteAll(own, "the user's");
  unwise.Start();
  HWND window = unwise.WaitForWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(unwise.RunRemoval(window));

  HWND list = gui::Control(window, kListBox);
  ASSERT_TRUE(gui::IsShown(list));
  LRESULT count = 0;
  ASSERT_TRUE(gui::Ask(list, LB_GETCOUNT, 0, 0, count));
  ASSERT_EQ(count, 1);
  EXPECT_EQ(ListItem(list, 0), own) << "files only, sub-folders searched";
  EXPECT_EQ(gui::ControlText(window, IDC_UNWISE_STATUS1), "The following files aren't deleted.");
  EXPECT_EQ(gui::ControlText(window, IDC_UNWISE_STATUS2), "");
  EXPECT_EQ(gui::ControlText(window, IDOK), "Delete");
  EXPECT_EQ(gui::ControlText(window, IDCANCEL), "Exit");
  // Below its only item the list shows its own background.
  const RECT rect = gui::ScreenRect(list);
  const auto picture = gui::CaptureWhenSettled(rect);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->Pixel(picture->width / 2, picture->height - 8), (gui::Rgb{214, 211, 206}));

  ASSERT_TRUE(gui::Click(gui::Control(window, GetParam().button)));
  EXPECT_TRUE(gui::WaitForWindowGone(window));
  EXPECT_EQ(FileExists(own), !GetParam().removed);
  EXPECT_EQ(FileExists(unwise.install()), !GetParam().removed);
}

INSTANTIATE_TEST_SUITE_P(Buttons, UnwiseRemaining,
                         testing::Values(RemainCase{"Exit", IDCANCEL, false}, RemainCase{"Delete", IDOK, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(UnwiseMissingLog, ShowsTheMessageRemovesNothingAndMayBePressedAgain) {
  UnwiseUnderTest unwise(UninstallConfig(true));
  const std::string kept = unwise.install() + "kept.txt";
  WriteAll(kept, "x");
  unwise.Start();
  HWND window = unwise.WaitForWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(DeleteFileA(unwise.LogPath().c_str()));

  ASSERT_TRUE(gui::Click(gui::Control(window, IDOK)));
  gui::WindowQuery query;
  query.owner = window;
  HWND box = gui::WaitForWindow(query);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(gui::ControlText(box, 0xffff), "Open setup.log file failure!");
  ASSERT_TRUE(gui::PressEnter(box));
  EXPECT_TRUE(gui::WaitForWindowGone(box));
  EXPECT_TRUE(gui::WaitUntil([&] { return gui::IsEnabled(gui::Control(window, IDOK)); }));
  EXPECT_TRUE(FileExists(kept));
  EXPECT_TRUE(FileExists(unwise.install() + "unwise.exe"));
  EXPECT_EQ(gui::ControlText(window, IDC_UNWISE_STATUS1), "Preparing uninstall Demo...");
  ASSERT_TRUE(gui::Click(gui::Control(window, IDCANCEL)));
  EXPECT_TRUE(gui::WaitForWindowGone(window));
}

// The copy run, started by the test: its name in any case, the quoted path, a path with blanks.
struct CopyCase {
  const char* name;
  const char* copyName;
  bool quoted;
  const char* folder;
};

class UnwiseCopy : public testing::TestWithParam<CopyCase> {};

TEST_P(UnwiseCopy, TakesItsWholeCommandLineAsTheLogPath) {
  const CopyCase& c = GetParam();
  UnwiseUnderTest unwise(UninstallConfig(true));
  const std::string folder = unwise.install() + c.folder;
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string log = folder + "\\setup.log";
  WriteAll(log, SetupLogHeadBytes({}));
  const std::string copy = unwise.temp() + c.copyName;
  ASSERT_TRUE(CopyFileA((unwise.install() + "unwise.exe").c_str(), copy.c_str(), FALSE));

  unwise.StartProgram(copy, c.quoted ? "\"" + log + "\"" : log);
  HWND window = unwise.WaitForWindow();
  ASSERT_NE(window, nullptr) << "the copy opens the window at once";
  WriteAll(folder + "\\mine.txt", "x");
  ASSERT_TRUE(unwise.RunRemoval(window));
  EXPECT_FALSE(FileExists(log)) << "the log it was handed is removed";
  HWND list = gui::Control(window, kListBox);
  EXPECT_EQ(ListItem(list, 0), folder + "\\mine.txt") << "its folder is the install folder";
  ASSERT_TRUE(gui::Click(gui::Control(window, IDCANCEL)));
  EXPECT_TRUE(gui::WaitForWindowGone(window));
}

INSTANTIATE_TEST_SUITE_P(Runs, UnwiseCopy,
                         testing::Values(CopyCase{"Plain", "glb1a2b.exe", false, "plain"},
                                         CopyCase{"UpperCase", "GLB1A2B.EXE", false, "upper"},
                                         CopyCase{"Quoted", "glb1a2b.exe", true, "quoted"},
                                         CopyCase{"Blanks", "glb1a2b.exe", false, "with some blanks"}),
                         [](const auto& info) { return std::string(info.param.name); });

// A handed-over path without a file: the open-file dialog asks, in that path's folder.
struct ChooseCase {
  const char* name;
  const char* chosen;
  bool opensWindow;
};

class UnwiseChooseLog : public testing::TestWithParam<ChooseCase> {};

TEST_P(UnwiseChooseLog, GoesOnOnlyWithALogOfThatName) {
  UnwiseUnderTest unwise(UninstallConfig(true));
  const std::string elsewhere = unwise.temp() + "x";
  CreateDirectoryA(elsewhere.c_str(), nullptr);
  const std::string chosen = elsewhere + "\\" + GetParam().chosen;
  WriteAll(chosen, SetupLogHeadBytes({}));
  const std::string copy = unwise.temp() + "glb1a2b.exe";
  ASSERT_TRUE(CopyFileA((unwise.install() + "unwise.exe").c_str(), copy.c_str(), FALSE));
  unwise.StartProgram(copy, unwise.install() + "gone\\setup.log");

  gui::WindowQuery query;
  query.processId = unwise.program().id();
  query.className = "#32770";
  HWND dialog = gui::WaitForWindow(query);
  ASSERT_NE(dialog, nullptr);
  EXPECT_NE(gui::WindowText(dialog), "Demo") << "the file dialog comes first";
  // The file name field: a combo box in the explorer-style dialog.
  HWND name = gui::Control(dialog, 0x47c);
  ASSERT_NE(name, nullptr);
  SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(chosen.c_str()));
  ASSERT_TRUE(gui::Click(gui::Control(dialog, IDOK)));

  if (!GetParam().opensWindow) {
    EXPECT_EQ(unwise.program().WaitForExit(), static_cast<DWORD>(kUnwiseExitOk));
    EXPECT_TRUE(FileExists(chosen));
    return;
  }
  HWND window = unwise.WaitForWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(unwise.RunRemoval(window));
  EXPECT_FALSE(FileExists(chosen)) << "the chosen log is the one processed";
  ASSERT_TRUE(gui::Click(gui::Control(window, IDOK)));
  EXPECT_EQ(unwise.program().WaitForExit(), static_cast<DWORD>(kUnwiseExitOk));
}

INSTANTIATE_TEST_SUITE_P(Choices, UnwiseChooseLog,
                         testing::Values(ChooseCase{"SetupLogInCapitals", "SETUP.LOG", true},
                                         ChooseCase{"OtherName", "other.log", false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace sk::test
