// What setup owns in its temporary folder is there while it runs and gone when it has ended.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "package/setup_loader.h"
#include "setup_ui/exit_codes.h"
#include "win/driver/input.h"
#include "win/driver/windows.h"
#include "win/setup_gui.h"

namespace sk::test {
namespace {

TEST(Shutdown, DeletesTheTemporaryFilesSetupOwns) {
  SetupConfig config;
  config.productName = "Demo";
  config.backgroundEnabled = true;
  config.backgroundTitle = "Demo setup";
  SetupUnderTest setup(config);
  // The background window keeps setup running while the test looks at its files.
  setup.Start({{"SETUPKIT_HOLD_AT_WIZARD", "1"}});
  HWND window = setup.WaitForTitle("Demo setup");
  ASSERT_NE(window, nullptr);

  const std::string folder = setup.PrivateFolder();
  ASSERT_NE(folder, "");
  EXPECT_TRUE(FileExists(folder + kUninstallerTempName));
  EXPECT_TRUE(FileExists(folder + kAnimationTempName));

  ASSERT_TRUE(gui::UseCloseBox(window));
  EXPECT_EQ(setup.program().WaitForExit(), static_cast<DWORD>(kSetupExitOk));
  EXPECT_FALSE(FileExists(folder + kUninstallerTempName));
  EXPECT_FALSE(FileExists(folder + kAnimationTempName));
  EXPECT_FALSE(FileExists(folder));
  EXPECT_EQ(setup.PrivateFolder(), "");
}

}  // namespace
}  // namespace sk::test
