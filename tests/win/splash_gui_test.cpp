// The start-up splash with its preparing dialog: it ends by itself after its duration, and
// Escape or the Cancel button end setup at once, leaving its temporary files behind.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "package/package_trailer.h"
#include "package/setup_loader.h"
#include "resource_ids.h"
#include "setup_ui/exit_codes.h"
#include "win/child_process.h"
#include "win/driver/input.h"
#include "win/driver/windows.h"
#include "win/setup_gui.h"

namespace sk::test {
namespace {

constexpr char kCaption[] = "准备安装 Demo";
constexpr char kMessage[] = "正在准备安装向导，请稍候……";

SetupConfig SplashConfig(int millis, const std::string& caption, const std::string& language = "TRUE") {
  SetupConfig config;
  config.productName = "Demo";
  config.uiTexts[0] = language;
  config.preparingCaption = caption;
  config.preparingMessage = kMessage;
  config.splashMillis = millis;
  return config;
}

// The splash: setup's window that no other window owns.
HWND WaitForSplash(SetupUnderTest& setup) {
  gui::WindowQuery query;
  query.processId = setup.program().id();
  query.owner = nullptr;
  return gui::WaitForWindow(query);
}

HWND WaitForPreparing(SetupUnderTest& setup) { return setup.WaitForTitle(kCaption); }

TEST(Splash, EndsByItselfAfterItsDuration) {
  SetupUnderTest setup(SplashConfig(500, kCaption), SomeJpeg());
  setup.Start({{"SETUPKIT_HOLD_AT_WIZARD", "1"}});  // ends after the start-up windows, without a wizard
  HWND preparing = WaitForPreparing(setup);
  ASSERT_NE(preparing, nullptr);
  EXPECT_EQ(gui::ControlText(preparing, IDC_PREPARE_TEXT), kMessage);
  // The splash counts its timer's ticks, which come slower than their period on a busy machine.
  EXPECT_EQ(setup.program().WaitForExit(kChildTimeoutMs), static_cast<DWORD>(kSetupExitOk));
}

TEST(Splash, WithoutPreparingCaptionShowsNoPreparingDialogAndEndsByItself) {
  SetupUnderTest setup(SplashConfig(300, ""), SomeJpeg());
  setup.Start({{"SETUPKIT_HOLD_AT_WIZARD", "1"}});  // ends after the start-up windows, without a wizard
  HWND splash = WaitForSplash(setup);
  ASSERT_NE(splash, nullptr);
  gui::WindowQuery owned;
  owned.processId = setup.program().id();
  owned.owner = splash;
  EXPECT_TRUE(gui::FindWindows(owned).empty());
  EXPECT_EQ(setup.program().WaitForExit(), static_cast<DWORD>(kSetupExitOk));
}

struct CancelCase {
  const char* name;
  const char* caption;
  bool (*cancel)(HWND splash, HWND preparing);
};

class SplashCancel : public testing::TestWithParam<CancelCase> {};

TEST_P(SplashCancel, EndsSetupAndLeavesItsTemporaryFiles) {
  // Long enough that only the test ends it.
  SetupUnderTest setup(SplashConfig(600000, GetParam().caption), SomeJpeg());
  setup.Start({{"SETUPKIT_HOLD_AT_WIZARD", "1"}});  // ends after the start-up windows, without a wizard
  HWND splash = WaitForSplash(setup);
  ASSERT_NE(splash, nullptr);
  HWND preparing = *GetParam().caption ? WaitForPreparing(setup) : nullptr;
  ASSERT_TRUE(GetParam().cancel(splash, preparing));
  EXPECT_EQ(setup.program().WaitForExit(), static_cast<DWORD>(kSetupExitCancelled));

  const std::string folder = setup.PrivateFolder();
  ASSERT_NE(folder, "");
  EXPECT_TRUE(FileExists(folder + kUninstallerTempName));
  EXPECT_TRUE(FileExists(folder + kAnimationTempName));
}

INSTANTIATE_TEST_SUITE_P(
    Ways, SplashCancel,
    testing::Values(CancelCase{"EscapeOnTheSplash", kCaption, [](HWND s, HWND) { return gui::PressEscape(s); }},
                    CancelCase{"EscapeWithoutPreparingDialog", "", [](HWND s, HWND) { return gui::PressEscape(s); }},
                    CancelCase{"CancelButton", kCaption,
                               [](HWND, HWND p) { return p && gui::Click(gui::Control(p, IDCANCEL)); }}),
    [](const auto& info) { return std::string(info.param.name); });

struct LabelCase {
  const char* name;
  const char* language;
  const char* label;
};

class SplashCancelLabel : public testing::TestWithParam<LabelCase> {};

TEST_P(SplashCancelLabel, IsEnglishOnlyForExactlyFalse) {
  SetupUnderTest setup(SplashConfig(600000, kCaption, GetParam().language), SomeJpeg());
  setup.Start({{"SETUPKIT_HOLD_AT_WIZARD", "1"}});  // ends after the start-up windows, without a wizard
  HWND preparing = WaitForPreparing(setup);
  ASSERT_NE(preparing, nullptr);
  EXPECT_EQ(gui::ControlText(preparing, IDCANCEL), GetParam().label);
}

INSTANTIATE_TEST_SUITE_P(Languages, SplashCancelLabel,
                         testing::Values(LabelCase{"False", "FALSE", "Cancel"},
                                         LabelCase{"True", "TRUE", "取消"},
                                         LabelCase{"LowerCaseFalse", "false", "取消"},
                                         LabelCase{"Empty", "", "取消"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace sk::test
