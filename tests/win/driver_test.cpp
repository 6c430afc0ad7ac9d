// The GUI driver against a fixture window whose state is known, and its PNG writer.
#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "win/child_process.h"
#include "win/driver/capture.h"
#include "win/driver/input.h"
#include "win/driver/program.h"
#include "win/driver/windows.h"
#include "win/driver_fixture.h"

namespace sk::gui {
namespace {

namespace fx = sk::test::fixture;

const std::string kFixture = sk::test::HostPath(SK_DRIVER_FIXTURE_EXE);

WindowQuery FixtureQuery(const Program& program) {
  WindowQuery query;
  query.processId = program.id();
  query.className = fx::kClassName;
  return query;
}

TEST(Driver, FindsTheWindowByTitleClassAndProcess) {
  Program program(kFixture);
  ASSERT_TRUE(program.started());
  HWND window = WaitForWindow(FixtureQuery(program));
  ASSERT_NE(window, nullptr);

  WindowQuery byTitle;
  byTitle.title = fx::kTitle;
  byTitle.owner = nullptr;
  // Other tests' fixtures may be up at the same time, with the same title.
  const std::vector<HWND> titled = FindWindows(byTitle);
  EXPECT_NE(std::find(titled.begin(), titled.end(), window), titled.end());
  WindowQuery wrongTitle = FixtureQuery(program);
  wrongTitle.title = "another title";
  EXPECT_EQ(WaitForWindow(wrongTitle, 200), nullptr);
  WindowQuery otherProcess = FixtureQuery(program);
  otherProcess.processId = GetCurrentProcessId();
  EXPECT_TRUE(FindWindows(otherProcess).empty());
}

TEST(Driver, ReadsControlTextsAndStates) {
  Program program(kFixture);
  HWND window = WaitForWindow(FixtureQuery(program));
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(WindowText(window), fx::kTitle);
  EXPECT_EQ(ControlText(window, fx::kOkButtonId), fx::kOkLabel);
  EXPECT_EQ(ClassName(Control(window, fx::kOkButtonId)), "Button");
  EXPECT_EQ(CheckState(Control(window, fx::kCheckBoxId)), BST_CHECKED);
  EXPECT_EQ(CheckState(Control(window, fx::kOkButtonId)), BST_UNCHECKED);
  EXPECT_EQ(ProgressPosition(Control(window, fx::kProgressId)), fx::kProgressPosition);
  EXPECT_TRUE(IsEnabled(Control(window, fx::kOkButtonId)));
  EXPECT_FALSE(IsEnabled(Control(window, fx::kDisabledId)));
  EXPECT_TRUE(IsShown(Control(window, fx::kDisabledId)));
  EXPECT_FALSE(IsShown(Control(window, fx::kHiddenId)));
  EXPECT_EQ(Control(window, 999), nullptr);
  const RECT rect = ScreenRect(window);
  EXPECT_EQ(rect.right - rect.left, fx::kWidth);
  EXPECT_EQ(rect.bottom - rect.top, fx::kHeight);
}

struct InputCase {
  const char* name;
  bool (*act)(HWND window);
  DWORD exitCode;
};

class DriverInput : public testing::TestWithParam<InputCase> {};

TEST_P(DriverInput, EndsTheFixtureAsTheUserWould) {
  Program program(kFixture);
  HWND window = WaitForWindow(FixtureQuery(program));
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(GetParam().act(window));
  EXPECT_TRUE(WaitForWindowGone(window));
  EXPECT_EQ(program.WaitForExit(), GetParam().exitCode);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, DriverInput,
    testing::Values(
        InputCase{"Click", [](HWND w) { return Click(Control(w, fx::kOkButtonId)); }, fx::kExitOkButton},
        InputCase{"Escape", PressEscape, fx::kExitEscape},
        // Outside a dialog the dialog manager finds no default button, so Enter asks for IDOK.
        InputCase{"Enter", PressEnter, fx::kExitEnter},
        InputCase{"CloseBox", UseCloseBox, fx::kExitClosed}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Driver, CapturesWhatTheWindowShows) {
  Program program(kFixture);
  HWND window = WaitForWindow(FixtureQuery(program));
  ASSERT_NE(window, nullptr);
  const RECT client = ClientRect(window);
  POINT corner = {client.right - 5, client.bottom - 5};
  ClientToScreen(window, &corner);
  const RECT window_rect = ScreenRect(window);
  const Rgb background{fx::kBackground[0], fx::kBackground[1], fx::kBackground[2]};
  std::optional<Image> image;
  // The first paint comes after the window shows; wait for the colour rather than guessing.
  EXPECT_TRUE(WaitUntil([&] {
    image = CaptureWindow(window);
    return image && image->Pixel(corner.x - window_rect.left, corner.y - window_rect.top) == background;
  }));
  ASSERT_TRUE(image);
  EXPECT_EQ(image->width, fx::kWidth);
  EXPECT_EQ(image->height, fx::kHeight);
}

TEST(Driver, AHungProgramFailsItsWaitAndIsEndedWithItsChildren) {
  DWORD childId = 0;
  HANDLE child = nullptr;
  {
    Program program(kFixture, {"spawn hang", {}});
    WindowQuery query;
    query.title = fx::kChildTitle;
    HWND window = WaitForWindow(query);
    ASSERT_NE(window, nullptr);
    GetWindowThreadProcessId(window, &childId);
    child = OpenProcess(SYNCHRONIZE, FALSE, childId);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(program.WaitForExit(300), std::nullopt);
    EXPECT_TRUE(program.running());
  }
  EXPECT_EQ(WaitForSingleObject(child, DefaultWaitMs()), WAIT_OBJECT_0);
  CloseHandle(child);
}

TEST(Driver, GivesTheProgramItsEnvironment) {
  const std::string block = EnvironmentWith({{"TEMP", "C:\\sk-test"}, {"SK_NEW_VARIABLE", "1"}});
  EXPECT_NE(block.find(std::string("\0TEMP=C:\\sk-test\0", 17)), std::string::npos);
  EXPECT_NE(block.find(std::string("\0SK_NEW_VARIABLE=1\0", 19)), std::string::npos);
  size_t temps = 0;
  for (size_t at = 0; (at = block.find("\0TEMP=", at, 6)) != std::string::npos; ++at) ++temps;
  EXPECT_EQ(temps, 1u);
  EXPECT_EQ(block.substr(block.size() - 2), std::string("\0\0", 2));
}

// A PNG's chunks, read back: type to data, each CRC checked.
std::string ChunkData(const std::string& png, const std::string& type) {
  auto number = [&](size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(png[at])) << 24 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(png[at + 1])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(png[at + 2])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(png[at + 3]));
  };
  for (size_t at = 8; at + 12 <= png.size();) {
    const std::uint32_t length = number(at);
    const std::string body = png.substr(at + 4, 4 + length);
    EXPECT_EQ(number(at + 8 + length), crc32(0, reinterpret_cast<const Bytef*>(body.data()), body.size()));
    if (body.substr(0, 4) == type) return body.substr(4);
    at += 12 + length;
  }
  return "(missing)";
}

TEST(Png, StoresTheRowsUnfilteredBehindAValidHeader) {
  Image image{2, 2, {255, 0, 0, 0, 255, 0, 0, 0, 255, 7, 8, 9}};
  const std::string png = EncodePng(image);
  ASSERT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
  EXPECT_EQ(ChunkData(png, "IHDR"), std::string("\0\0\0\2\0\0\0\2\x08\x02\0\0\0", 13));
  EXPECT_EQ(ChunkData(png, "IEND"), "");

  const std::string compressed = ChunkData(png, "IDAT");
  std::string raw(64, '\xEE');
  uLongf size = raw.size();
  ASSERT_EQ(uncompress(reinterpret_cast<Bytef*>(raw.data()), &size,
                       reinterpret_cast<const Bytef*>(compressed.data()), compressed.size()),
            Z_OK);
  raw.resize(size);
  EXPECT_EQ(raw, std::string("\0\xff\0\0\0\xff\0\0\0\0\xff\7\x08\x09", 14));
}

TEST(Png, RefusesImagesWhosePixelsDoNotFit) {
  EXPECT_EQ(EncodePng(Image{}), "");
  EXPECT_EQ(EncodePng(Image{2, 2, {1, 2, 3}}), "");
}

}  // namespace
}  // namespace sk::gui
