// setup's message box, shown by the probe with the arguments of each case and driven from
// outside: its answers, its size and button places, its labels, icon and caption.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "resource_ids.h"
#include "win/child_process.h"
#include "win/driver/input.h"
#include "win/driver/program.h"
#include "win/driver/windows.h"
#include "win/show_message_probe.h"

namespace sk::test {
namespace {

using gui::Control;

struct Box {
  std::string text = "A";
  std::string caption = "问题";
  int iconKind = -1;
  int count = 3;
  std::string ownerTitle;
};

class ShownBox {
 public:
  explicit ShownBox(const Box& box)
      : program_(HostPath(SK_SHOW_MESSAGE_PROBE_EXE),
                 {"\"" + box.text + "|" + box.caption + "|" + std::to_string(box.iconKind) + "|" +
                      std::to_string(box.count) + "|是|否|取消|" + box.ownerTitle + "\"",
                  {}}) {
    gui::WindowQuery query;
    query.processId = program_.id();
    query.className = "#32770";
    window_ = gui::WaitForWindow(query);
  }
  HWND window() const { return window_; }
  gui::Program& program() { return program_; }
  // The answer ShowMessage returned, or a value no answer has when the probe did not end.
  int Answer() {
    const auto code = program_.WaitForExit();
    return code ? static_cast<int>(*code) - kProbeExitBase : 1000;
  }

 private:
  gui::Program program_;
  HWND window_ = nullptr;
};

struct AnswerCase {
  const char* name;
  bool (*act)(HWND box);
  int answer;
};

class MessageBoxAnswer : public testing::TestWithParam<AnswerCase> {};

TEST_P(MessageBoxAnswer, TellsWhatEndedTheBox) {
  ShownBox box({});
  ASSERT_NE(box.window(), nullptr);
  ASSERT_TRUE(GetParam().act(box.window()));
  EXPECT_EQ(box.Answer(), GetParam().answer);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, MessageBoxAnswer,
    testing::Values(
        AnswerCase{"Button1", [](HWND b) { return gui::Click(Control(b, IDC_MESSAGE_BUTTON1)); }, 1},
        AnswerCase{"Button2", [](HWND b) { return gui::Click(Control(b, IDC_MESSAGE_BUTTON2)); }, 2},
        AnswerCase{"Button3", [](HWND b) { return gui::Click(Control(b, IDC_MESSAGE_BUTTON3)); }, 3},
        // Keyboard focus starts on button 1, so Enter presses it.
        AnswerCase{"Enter", gui::PressEnter, 1},
        AnswerCase{"Escape", gui::PressEscape, -1},
        AnswerCase{"CloseBox", gui::UseCloseBox, -1}),
    [](const auto& info) { return std::string(info.param.name); });

constexpr int kButtonIds[] = {IDC_MESSAGE_BUTTON1, IDC_MESSAGE_BUTTON2, IDC_MESSAGE_BUTTON3};

enum class Width { kMinimum, kMaximum, kBetween };

struct GeometryCase {
  const char* name;
  int count;
  const char* text;
  Width width;
};

// The width limits of a box of count buttons: a fixed minimum, a share of the screen at most.
int MinimumWidth(int count) { return count == 1 ? 100 : count == 2 ? 150 : 300; }
int MaximumWidth(int count) { return GetSystemMetrics(SM_CXSCREEN) / (5 - count); }

const char kLongLine[] =
    "这是一段很长的说明文字，用来把消息框撑到它的最大宽度。This line is long enough to need more "
    "room than any message box may take.";

class MessageBoxGeometry : public testing::TestWithParam<GeometryCase> {};

// Left edge of button index (0 to 2) of count, from the box's width and the button's own width.
int ExpectedLeft(int count, int index, const RECT& box, int bw) {
  const int mid = (box.left + box.right) / 2;
  const int w = box.right - box.left;
  if (count == 1) return mid - bw / 2;
  if (count == 2) {
    const int g = ((w - 2 * bw) / 4) / 2;
    return index == 0 ? mid - g - bw : mid + g;
  }
  const int g = (w - 3 * bw) / 6;
  const int lefts[] = {mid - g - bw / 2 - bw, mid - bw / 2, mid + g + bw / 2};
  return lefts[index];
}

TEST_P(MessageBoxGeometry, SpreadsItsButtonsOverItsWidth) {
  const GeometryCase& c = GetParam();
  Box request;
  request.count = c.count;
  request.text = c.text;
  ShownBox box(request);
  ASSERT_NE(box.window(), nullptr);
  const RECT dialog = gui::ScreenRect(box.window());
  SCOPED_TRACE(testing::Message() << "box " << dialog.left << "," << dialog.top << "-" << dialog.right << ","
                                  << dialog.bottom);
  const int width = dialog.right - dialog.left;
  if (c.width == Width::kMinimum) EXPECT_EQ(width, MinimumWidth(c.count));
  if (c.width == Width::kMaximum) EXPECT_EQ(width, MaximumWidth(c.count));
  EXPECT_GE(width, MinimumWidth(c.count));
  EXPECT_LE(width, MaximumWidth(c.count));

  for (int i = 0; i < 3; ++i) {
    HWND button = Control(box.window(), kButtonIds[i]);
    EXPECT_EQ(gui::IsShown(button), i < c.count) << "button " << i + 1;
    if (i >= c.count) continue;
    const RECT rect = gui::ScreenRect(button);
    SCOPED_TRACE(testing::Message() << "button " << i + 1 << ": " << rect.left << "," << rect.top << "-"
                                    << rect.right << "," << rect.bottom);
    EXPECT_EQ(rect.left, ExpectedLeft(c.count, i, dialog, rect.right - rect.left));
    EXPECT_EQ(rect.bottom, dialog.bottom - 15);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, MessageBoxGeometry,
    // A short text gives the minimum width. A line as wide as the text control is, at any
    // font, wider than the maximum for one and two buttons; for three it falls in between.
    testing::Values(GeometryCase{"TwoButtonsShortText", 2, "A", Width::kMinimum},
                    GeometryCase{"ThreeButtonsShortText", 3, "A", Width::kMinimum},
                    GeometryCase{"OneButtonLongText", 1, kLongLine, Width::kMaximum},
                    GeometryCase{"TwoButtonsLongText", 2, kLongLine, Width::kMaximum},
                    GeometryCase{"ThreeButtonsLongText", 3, kLongLine, Width::kBetween}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MessageBox, ShowsItsTextLabelsAndNoOtherWindow) {
  Box request;
  request.text = "第一行\\r\\n第二行";
  ShownBox box(request);
  ASSERT_NE(box.window(), nullptr);
  EXPECT_EQ(gui::ControlText(box.window(), IDC_MESSAGE_TEXT), "第一行\r\n第二行");
  EXPECT_EQ(gui::ControlText(box.window(), IDC_MESSAGE_BUTTON1), "是");
  EXPECT_EQ(gui::ControlText(box.window(), IDC_MESSAGE_BUTTON2), "否");
  EXPECT_EQ(gui::ControlText(box.window(), IDC_MESSAGE_BUTTON3), "取消");
  EXPECT_EQ(gui::WindowText(box.window()), "问题");
  EXPECT_FALSE(gui::HasIcon(Control(box.window(), IDC_MESSAGE_ICON)));
  gui::WindowQuery any;
  any.processId = box.program().id();
  EXPECT_EQ(gui::FindWindows(any).size(), 1u);
}

struct CaptionCase {
  const char* name;
  const char* caption;
  const char* ownerTitle;
  const char* shown;
};

class MessageBoxCaption : public testing::TestWithParam<CaptionCase> {};

TEST_P(MessageBoxCaption, ComesFromTheOwnerWhenEmpty) {
  Box request;
  request.caption = GetParam().caption;
  request.ownerTitle = GetParam().ownerTitle;
  ShownBox box(request);
  ASSERT_NE(box.window(), nullptr);
  EXPECT_EQ(gui::WindowText(box.window()), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Captions, MessageBoxCaption,
                         testing::Values(CaptionCase{"Own", "自己的标题", "主窗口", "自己的标题"},
                                         CaptionCase{"FromOwner", "", "主窗口", "主窗口"},
                                         CaptionCase{"NoOwner", "", "", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

struct IconCase {
  const char* name;
  int kind;
  bool owner;
  bool shown;
};

class MessageBoxIcon : public testing::TestWithParam<IconCase> {};

TEST_P(MessageBoxIcon, ShowsTheIconOfItsKind) {
  Box request;
  request.iconKind = GetParam().kind;
  if (GetParam().owner) request.ownerTitle = "主窗口";
  ShownBox box(request);
  ASSERT_NE(box.window(), nullptr);
  EXPECT_EQ(gui::HasIcon(Control(box.window(), IDC_MESSAGE_ICON)), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Icons, MessageBoxIcon,
                         testing::Values(IconCase{"None", -1, true, false},
                                         IconCase{"ProgramIconWithoutMainWindow", 0, false, false},
                                         IconCase{"Exclamation", 1, false, true},
                                         IconCase{"Question", 2, false, true},
                                         IconCase{"Stop", 3, false, true},
                                         IconCase{"UnknownKind", 7, false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace sk::test
