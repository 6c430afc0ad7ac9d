// The windows InstallFile brings up, driven from outside: the overwrite question and the
// insert-disk dialog with its complaints, its swallowed Escape and its close-box question.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "package/volume.h"
#include "resource_ids.h"
#include "win/driver/input.h"
#include "win/driver/windows.h"
#include "win/install_run.h"

namespace sk::test {
namespace {

namespace fs = std::filesystem;
using gui::Control;
using gui::ControlText;

// How long a window that should stay open is watched for closing.
constexpr DWORD kStaysOpenMs = 700;

struct QuestionCase {
  const char* name;
  bool (*answer)(HWND box);
  bool replaced;
};

class OverwriteQuestion : public testing::TestWithParam<QuestionCase> {};

TEST_P(OverwriteQuestion, ShowsTheDestinationAndReplacesOnlyOnTheSecondButton) {
  InstallRun run;
  run.Add("asked.txt", "new").copyMode = ASK_COPY;
  fs::create_directories(run.installFolder());
  WriteAll(run.Installed("asked.txt"), "old");
  run.Start();
  HWND box = WaitForProbeDialog(run, IDC_MESSAGE_TEXT);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(ControlText(box, IDC_MESSAGE_TEXT),
            "The file " + run.Installed("asked.txt") + " have existed,do you want to overlay?");
  EXPECT_EQ(ControlText(box, IDC_MESSAGE_BUTTON1), "Keep");
  EXPECT_EQ(ControlText(box, IDC_MESSAGE_BUTTON2), "Replace");
  ASSERT_TRUE(GetParam().answer(box));
  const auto report = run.Finish();
  ASSERT_TRUE(report);
  EXPECT_EQ(report->installed, std::vector<int>{GetParam().replaced ? 1 : 0});
  EXPECT_EQ(ReadAll(run.Installed("asked.txt")), GetParam().replaced ? "new" : "old");
}

INSTANTIATE_TEST_SUITE_P(
    Answers, OverwriteQuestion,
    testing::Values(QuestionCase{"FirstButton", [](HWND b) { return gui::Click(Control(b, IDC_MESSAGE_BUTTON1)); }, false},
                    QuestionCase{"SecondButton", [](HWND b) { return gui::Click(Control(b, IDC_MESSAGE_BUTTON2)); }, true},
                    QuestionCase{"CloseBox", gui::UseCloseBox, false}),
    [](const auto& info) { return std::string(info.param.name); });

// A run whose entries lie on disk 2, whose volume data.002 is not beside setup.
struct DiskTwoRun {
  explicit DiskTwoRun(int entries) {
    run.config.disks[1].volumeName = "data.002";
    run.config.disks[1].prompt = "Disk 2 please";
    for (int i = 0; i < entries; ++i) {
      FileEntry& entry = run.Add("two" + std::to_string(i) + ".txt", "");
      entry.disk = 2;
      entry.offset = static_cast<std::int32_t>(VolumeSignature.size()) + 4 * i;
      entry.size = 4;
    }
  }
  void WriteVolume(const std::string& folder, const std::string& bytes) {
    fs::create_directories(folder);
    WriteAll(folder + "data.002", bytes);
  }
  InstallRun run;
};

const std::string& Signed() {
  static const std::string bytes = std::string(VolumeSignature.begin(), VolumeSignature.end()) + "aaaabbbb";
  return bytes;
}

void TypeFolder(HWND dialog, const std::string& folder) {
  SendMessageA(Control(dialog, IDC_DISK_FOLDER), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(folder.c_str()));
}

TEST(InsertDiskDialog, AMissingVolumeAsksOnceAndLaterEntriesUseTheConfirmedFolder) {
  DiskTwoRun disk(2);
  const std::string elsewhere = disk.run.folder() + "disk2\\";
  disk.WriteVolume(elsewhere, Signed());
  disk.run.Start();
  HWND dialog = WaitForProbeDialog(disk.run, IDC_DISK_FOLDER);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(gui::WindowText(dialog), "Install Probe");
  EXPECT_EQ(ControlText(dialog, IDOK), "OK");
  EXPECT_EQ(ControlText(dialog, IDC_DISK_PROMPT), "Disk 2 please");
  EXPECT_EQ(ControlText(dialog, IDC_DISK_FOLDER), disk.run.folder());
  TypeFolder(dialog, elsewhere);
  ASSERT_TRUE(gui::Click(Control(dialog, IDOK)));
  const auto report = disk.run.Finish();
  ASSERT_TRUE(report);
  EXPECT_EQ(report->diskRequests, 1);
  EXPECT_EQ(report->installed, (std::vector<int>{1, 1}));
  EXPECT_EQ(ReadAll(disk.run.Installed("two0.txt")), "aaaa");
  EXPECT_EQ(ReadAll(disk.run.Installed("two1.txt")), "bbbb");
}

// Presses OK on folder (typed without its backslash) and gives the complaint's text, after
// checking that the dialog shows the folder with the backslash added and stays open.
std::string ComplaintFor(InstallRun& run, HWND dialog, const std::string& folder) {
  TypeFolder(dialog, folder.substr(0, folder.size() - 1));
  if (!gui::Click(Control(dialog, IDOK))) return "no click";
  HWND box = WaitForProbeDialog(run, IDC_MESSAGE_TEXT);
  if (!box) return "no complaint";
  const std::string text = ControlText(box, IDC_MESSAGE_TEXT);
  EXPECT_EQ(gui::WindowText(box), "Install Probe");
  EXPECT_EQ(ControlText(box, IDC_MESSAGE_BUTTON1), "OK");
  EXPECT_EQ(ControlText(dialog, IDC_DISK_FOLDER), folder);
  gui::Click(Control(box, IDC_MESSAGE_BUTTON1));
  EXPECT_TRUE(gui::WaitForWindowGone(box));
  EXPECT_TRUE(IsWindow(dialog));
  return text;
}

TEST(InsertDiskDialog, ComplainsEscapeDoesNothingAndTheCloseBoxAsks) {
  DiskTwoRun disk(1);
  const std::string empty = disk.run.folder() + "empty\\";
  const std::string foreign = disk.run.folder() + "foreign\\";
  fs::create_directories(empty);
  disk.WriteVolume(foreign, "0123456789");
  disk.run.Start();
  HWND dialog = WaitForProbeDialog(disk.run, IDC_DISK_FOLDER);
  ASSERT_NE(dialog, nullptr);

  EXPECT_EQ(ComplaintFor(disk.run, dialog, disk.run.folder() + "nowhere\\"), "Please insert setup disk!");
  EXPECT_EQ(ComplaintFor(disk.run, dialog, empty), "Disk error!");
  EXPECT_EQ(ComplaintFor(disk.run, dialog, foreign), "Invalid file format!");

  // Escape where the keyboard is when the dialog opens: in the folder field.
  HWND field = Control(dialog, IDC_DISK_FOLDER);
  ASSERT_TRUE(PostMessageA(field, WM_KEYDOWN, VK_ESCAPE, 1) && PostMessageA(field, WM_KEYUP, VK_ESCAPE, 0xC0000001));
  EXPECT_FALSE(gui::WaitForWindowGone(dialog, kStaysOpenMs));

  // The close box asks; the second answer keeps the dialog, the first gives up.
  for (int button : {IDC_MESSAGE_BUTTON2, IDC_MESSAGE_BUTTON1}) {
    ASSERT_TRUE(gui::UseCloseBox(dialog));
    HWND box = WaitForProbeDialog(disk.run, IDC_MESSAGE_TEXT);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ControlText(box, IDC_MESSAGE_TEXT), "Do you sure to abort setup?");
    EXPECT_EQ(ControlText(box, IDC_MESSAGE_BUTTON1), "终止");
    EXPECT_EQ(ControlText(box, IDC_MESSAGE_BUTTON2), "取消");
    ASSERT_TRUE(gui::Click(Control(box, button)));
    ASSERT_TRUE(gui::WaitForWindowGone(box));
    if (button == IDC_MESSAGE_BUTTON2) EXPECT_FALSE(gui::WaitForWindowGone(dialog, kStaysOpenMs));
  }
  EXPECT_TRUE(gui::WaitForWindowGone(dialog));
  const auto report = disk.run.Finish();
  ASSERT_TRUE(report);
  EXPECT_EQ(report->diskRequests, 1);
  EXPECT_EQ(report->installed, std::vector<int>{0});
}

TEST(InsertDiskDialog, SpeaksChineseWhenThePackageDoes) {
  DiskTwoRun disk(1);
  disk.run.config.uiTexts[0] = "TRUE";
  disk.run.Start();
  HWND dialog = WaitForProbeDialog(disk.run, IDC_DISK_FOLDER);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(ControlText(dialog, IDOK), "确定");
  TypeFolder(dialog, disk.run.folder() + "nowhere");
  ASSERT_TRUE(gui::Click(Control(dialog, IDOK)));
  HWND box = WaitForProbeDialog(disk.run, IDC_MESSAGE_TEXT);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(ControlText(box, IDC_MESSAGE_TEXT), "请插入安装的光盘!");
  EXPECT_EQ(ControlText(box, IDC_MESSAGE_BUTTON1), "确定");
  ASSERT_TRUE(gui::Click(Control(box, IDC_MESSAGE_BUTTON1)));
  ASSERT_TRUE(gui::WaitForWindowGone(box));
  ASSERT_TRUE(gui::UseCloseBox(dialog));
  box = WaitForProbeDialog(disk.run, IDC_MESSAGE_TEXT);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(ControlText(box, IDC_MESSAGE_TEXT), "您确信要终止安装吗?");
  ASSERT_TRUE(gui::Click(Control(box, IDC_MESSAGE_BUTTON1)));
  const auto report = disk.run.Finish();
  ASSERT_TRUE(report);
  EXPECT_EQ(report->installed, std::vector<int>{0});
}

}  // namespace
}  // namespace sk::test
