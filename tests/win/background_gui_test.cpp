// The full-screen background window: shown only when the package asks for it, with or without
// its title bar, and filled with the package's colour, plain or as a gradient whose rows are
// read back from the screen.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "setup_ui/exit_codes.h"
#include "win/driver/capture.h"
#include "win/driver/input.h"
#include "win/driver/windows.h"
#include "win/setup_gui.h"

namespace sk::test {
namespace {

constexpr char kTitle[] = "演示程序 安装";
constexpr std::uint32_t kColour = 0x808000;  // 0x00BBGGRR: red 0, green 128, blue 128
constexpr int kBand = 10;                    // rows per colour step

SetupConfig BackgroundConfig(bool enabled, bool titleBar, int fill) {
  SetupConfig config;
  config.productName = "Demo";
  config.backgroundEnabled = enabled;
  config.backgroundTitle = kTitle;
  config.backgroundTitleBar = titleBar;
  config.backgroundColor = static_cast<std::int32_t>(kColour);
  config.backgroundFill = fill;
  return config;
}

// Keeps setup at the place of the wizard while its background window is up.
const std::vector<std::pair<std::string, std::string>> kHold = {{"SETUPKIT_HOLD_AT_WIZARD", "1"}};

HWND WaitForBackground(SetupUnderTest& setup) { return setup.WaitForTitle(kTitle); }

TEST(Background, IsAbsentUnlessThePackageAsksForIt) {
  SetupUnderTest setup(BackgroundConfig(false, true, 0));
  setup.Start(kHold);
  // With no background window there is nothing to hold at: setup goes on to its end.
  EXPECT_EQ(setup.program().WaitForExit(), static_cast<DWORD>(kSetupExitOk));
}

class BackgroundTitleBar : public testing::TestWithParam<bool> {};

TEST_P(BackgroundTitleBar, FollowsThePackage) {
  SetupUnderTest setup(BackgroundConfig(true, GetParam(), 0));
  setup.Start(kHold);
  HWND window = WaitForBackground(setup);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(gui::HasStyle(window, WS_CAPTION), GetParam());
  EXPECT_EQ(gui::HasStyle(window, WS_SYSMENU), GetParam());
  EXPECT_EQ(gui::Owner(window), nullptr);
  const RECT client = gui::ClientRect(window);
  if (!GetParam()) {
    EXPECT_EQ(client.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(client.bottom, GetSystemMetrics(SM_CYSCREEN));
  }
  ASSERT_TRUE(gui::UseCloseBox(window));
  EXPECT_EQ(setup.program().WaitForExit(), static_cast<DWORD>(kSetupExitOk));
}

INSTANTIATE_TEST_SUITE_P(TitleBar, BackgroundTitleBar, testing::Bool(),
                         [](const auto& info) { return info.param ? "With" : "Without"; });

// The colour of a client row: the base colour on row 0, one step further after every band of
// rows (the step is taken after row 0 and after each later multiple of the band).
gui::Rgb ExpectedRow(int fill, int row, int screenHeight) {
  if (fill == 0) return {0, 128, 128};
  const int bands = screenHeight / kBand;
  const int steps = row == 0 ? 0 : (row - 1) / kBand + 1;
  auto channel = [&](int base) {
    const int step = fill == 2 ? (255 - base) / bands : -(base / bands);
    return static_cast<std::uint8_t>((base + step * steps) & 0xFF);
  };
  return {channel(0), channel(128), channel(128)};
}

class BackgroundFill : public testing::TestWithParam<int> {};

TEST_P(BackgroundFill, PaintsTheRowsOfItsFillStyle) {
  const int fill = GetParam();
  SetupUnderTest setup(BackgroundConfig(true, false, fill));
  setup.Start(kHold);
  HWND window = WaitForBackground(setup);
  ASSERT_NE(window, nullptr);
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  // Rows at both ends and across band edges, in a column other tests' small windows keep off.
  const int rows[] = {0, 1, 10, 11, 20, 21, height / 2, height - 1};
  const int column = width * 3 / 4;
  POINT origin = {0, 0};
  ClientToScreen(window, &origin);
  std::optional<gui::Image> image;
  std::string mismatch;
  // The window paints after it shows; read again until it has, within the wait's bound.
  const bool painted = gui::WaitUntil([&] {
    image = gui::CaptureScreen({origin.x, origin.y, origin.x + width, origin.y + height});
    if (!image) return false;
    for (int row : rows) {
      const gui::Rgb shown = image->Pixel(column, row);
      const gui::Rgb expected = ExpectedRow(fill, row, height);
      if (!(shown == expected)) {
        mismatch = "row " + std::to_string(row) + ": " + std::to_string(shown.red) + "," +
                   std::to_string(shown.green) + "," + std::to_string(shown.blue) + " instead of " +
                   std::to_string(expected.red) + "," + std::to_string(expected.green) + "," +
                   std::to_string(expected.blue);
        return false;
      }
    }
    return true;
  });
  EXPECT_TRUE(painted) << mismatch;
  ASSERT_TRUE(gui::UseCloseBox(window));
  EXPECT_EQ(setup.program().WaitForExit(), static_cast<DWORD>(kSetupExitOk));
}

INSTANTIATE_TEST_SUITE_P(Styles, BackgroundFill, testing::Values(0, 1, 2),
                         [](const auto& info) { return "Fill" + std::to_string(info.param); });

}  // namespace
}  // namespace sk::test
