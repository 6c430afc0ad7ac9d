#include <gtest/gtest.h>

#include "progress.h"

namespace sk::tool {
namespace {

TEST(ProgressLineTest, ShowsBytesFilesRateAndTimeLeft) {
  const double mib = 1024 * 1024;
  ProgressState s{static_cast<std::int64_t>(10 * mib), static_cast<std::int64_t>(40 * mib), 3, 7, 2.0};
  EXPECT_EQ(FormatProgressLine(s),
            "[#####...............]  25%  10.0/40.0 MiB  3/7 files  5.0 MiB/s  0:06 left");
}

TEST(ProgressLineTest, FinishedHasNoTimeLeft) {
  ProgressState s{100, 100, 2, 2, 1.0};
  EXPECT_EQ(FormatProgressLine(s), "[####################] 100%  0.0/0.0 MiB  2/2 files  0.0 MiB/s");
}

TEST(ProgressLineTest, EmptyBuildIsComplete) {
  ProgressState s{0, 0, 0, 0, 0};
  EXPECT_EQ(FormatProgressLine(s), "[####################] 100%  0.0/0.0 MiB  0/0 files  0.0 MiB/s");
}

}  // namespace
}  // namespace sk::tool
