#include <gtest/gtest.h>

#include "shared/quick_launch.h"

namespace sk {
namespace {

TEST(QuickLaunch, LiesBelowTheRoamingApplicationData) {
  const std::string expected = "C:\\users\\root\\AppData\\Roaming\\Microsoft\\Internet Explorer\\Quick Launch\\";
  EXPECT_EQ(QuickLaunchFolder("C:\\users\\root\\AppData\\Roaming"), expected);
  EXPECT_EQ(QuickLaunchFolder("C:\\users\\root\\AppData\\Roaming\\"), expected);
  // 蝄 is CE 5C: its trail byte is no separator, so one is still added.
  EXPECT_EQ(QuickLaunchFolder("C:\\\xce\x5c"), "C:\\\xce\x5c\\Microsoft\\Internet Explorer\\Quick Launch\\");
}

}  // namespace
}  // namespace sk
