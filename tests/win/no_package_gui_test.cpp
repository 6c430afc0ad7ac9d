// setup.exe without a package: one bilingual box, in both languages at once since the
// package's language is unknown, and nothing else; however it is closed, setup then ends with
// its failed-start code.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resource_ids.h"
#include "setup_ui/exit_codes.h"
#include "win/driver/input.h"
#include "win/driver/program.h"
#include "win/driver/windows.h"
#include "win/setup_gui.h"

namespace sk::test {
namespace {

using gui::Control;

struct CloseCase {
  const char* name;
  bool (*close)(HWND box);
};

class NoPackage : public testing::TestWithParam<CloseCase> {};

TEST_P(NoPackage, ShowsTheFailureBoxAloneAndEnds) {
  SetupWithoutPackage setup;
  HWND box = setup.WaitForBox();
  ASSERT_NE(box, nullptr);

  EXPECT_EQ(gui::ClassName(box), "#32770");
  EXPECT_EQ(gui::WindowText(box), "");
  EXPECT_EQ(gui::ControlText(box, IDC_MESSAGE_TEXT), "初始化数据失败!\r\nInit data failure!");
  EXPECT_FALSE(gui::HasIcon(Control(box, IDC_MESSAGE_ICON)));
  EXPECT_EQ(gui::ControlText(box, IDC_MESSAGE_BUTTON1), "确定/OK");
  EXPECT_TRUE(gui::IsShown(Control(box, IDC_MESSAGE_BUTTON1)));
  EXPECT_FALSE(gui::IsShown(Control(box, IDC_MESSAGE_BUTTON2)));
  EXPECT_FALSE(gui::IsShown(Control(box, IDC_MESSAGE_BUTTON3)));
  gui::WindowQuery any;
  any.processId = setup.program().id();
  EXPECT_EQ(gui::FindWindows(any), std::vector<HWND>{box});

  ASSERT_TRUE(GetParam().close(box));
  EXPECT_EQ(setup.program().WaitForExit(), static_cast<DWORD>(kSetupExitStartFailed));
}

INSTANTIATE_TEST_SUITE_P(
    Closing, NoPackage,
    testing::Values(CloseCase{"Button", [](HWND b) { return gui::Click(Control(b, IDC_MESSAGE_BUTTON1)); }},
                    CloseCase{"Escape", gui::PressEscape}, CloseCase{"CloseBox", gui::UseCloseBox}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace sk::test
