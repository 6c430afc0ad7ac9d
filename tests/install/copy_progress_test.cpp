#include "install/copy_progress.h"

#include <gtest/gtest.h>

#include <vector>

namespace sk {
namespace {

std::vector<int> PlainBarPositions(std::int64_t size) {
  const PlainCopyPlan plan = PlanPlainCopy(size, 0);
  std::vector<int> positions;
  for (std::int64_t done = 0, index = 0; done < size; done += plan.chunk, ++index)
    if (auto p = PlainCopyBarPosition(plan, index)) positions.push_back(*p);
  return positions;
}

TEST(CopyProgress, PlainCopyPlans) {
  const struct {
    std::int64_t size, delay, chunk, count, pause;
  } cases[] = {
      {100, 1000, 10, 10, 100},
      {1048576, 1000, 4096, 256, 3},
      {5, 1000, 1, 5, 200},
      {0, 1000, 1, 1, 1000},
      {40960, 0, 4096, 10, 0},
      {40970, 500, 4096, 10, 50},  // the last chunk is short
  };
  for (const auto& c : cases) {
    const PlainCopyPlan plan = PlanPlainCopy(c.size, c.delay);
    EXPECT_EQ(plan.chunk, c.chunk) << c.size;
    EXPECT_EQ(plan.chunkCount, c.count) << c.size;
    EXPECT_EQ(plan.pauseMs, c.pause) << c.size;
  }
}

TEST(CopyProgress, PlainCopyBarMovesOnMultiplesOfTen) {
  EXPECT_EQ(PlainBarPositions(100), (std::vector<int>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90}));
  EXPECT_EQ(PlainBarPositions(5), (std::vector<int>{0, 20, 40, 60, 80}));
  // 1 MB: 256 chunks; the bar is set only where 100 * k / 256 is a multiple of ten: k = 0 to 2,
  // 26 to 28, 52 and 53, ... 231 and 232.
  const std::vector<int> mb = PlainBarPositions(1048576);
  EXPECT_EQ(mb.size(), 26u);
  EXPECT_EQ(mb.front(), 0);
  EXPECT_EQ(mb.back(), 90);
  for (int p : mb) EXPECT_EQ(p % 10, 0);
}

TEST(CopyProgress, UnzipReports) {
  const UnzipPlan small = PlanUnzip(2000, 1000);
  EXPECT_EQ(small.chunk, 200);
  EXPECT_EQ(small.divisor, 1);
  EXPECT_EQ(small.pauseMs, 50);
  EXPECT_EQ(UnzipReport(small, 0), 100);
  EXPECT_EQ(UnzipReport(small, 1), 200);

  const UnzipPlan large = PlanUnzip(409600, 0);
  EXPECT_EQ(large.chunk, 4096);
  EXPECT_EQ(large.divisor, 100);
  EXPECT_EQ(UnzipReport(large, 0), std::nullopt);  // 1 percent
  EXPECT_EQ(UnzipReport(large, 9), 10);
  EXPECT_EQ(UnzipReport(large, 99), 100);

  const UnzipPlan empty = PlanUnzip(0, 0);
  EXPECT_EQ(empty.chunk, 1);
  EXPECT_EQ(empty.divisor, 1);
}

}  // namespace
}  // namespace sk
