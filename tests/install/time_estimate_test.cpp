#include "install/time_estimate.h"

#include <gtest/gtest.h>

namespace sk {
namespace {

TEST(TimeEstimate, EqualEntriesOfAThirdNeverRefresh) {
  TimeEstimate e(3000, 3, 0);
  std::vector<int> bars;
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(e.Installed(i, 1000, 100 * (i + 1), 0), -1) << "no estimate after entry " << i;
    e.Skipped();
    bars.push_back(e.BarPosition());
  }
  EXPECT_EQ(bars, (std::vector<int>{333, 666, 1000}));
}

TEST(TimeEstimate, SmallEntriesRefreshFromTheFirstOn) {
  TimeEstimate e(2000, 20, 0);
  for (int i = 0; i < 20; ++i) {
    // 100 bytes per 10 ms: 10 bytes per ms, so the rest takes (2000 - done) / 10 ms.
    EXPECT_EQ(e.Installed(i, 100, 10 * (i + 1), 0), 0) << i;
    e.Skipped();
  }
  EXPECT_EQ(e.BarPosition(), 1000);
}

TEST(TimeEstimate, DelaysAndDiskWaitsAreLeftOutOfTheRate) {
  // The first of three entries: 500 bytes in 1000 ms, of which 400 were the per-file delay and
  // 100 a disk prompt: 1 byte per ms. The other 2500 bytes take 2500 ms, plus a delay for each
  // of the two entries after this one.
  TimeEstimate e(3000, 3, 400);
  EXPECT_EQ(e.Installed(0, 500, 1000, 100), (2500 + 2 * 400) / 1000);
  TimeEstimate slow(200000, 2, 10000);
  EXPECT_EQ(slow.Installed(0, 100, 10010, 0), (199900 / 10 + 10000) / 1000);
}

TEST(TimeEstimate, RateChangesOnlyBeyondAFactorOfTwo) {
  TimeEstimate e(1000000, 100, 0);
  EXPECT_EQ(e.Installed(0, 1000, 1000, 0), 999);         // 1 byte per ms
  EXPECT_EQ(e.Installed(1, 1000, 1500, 0), 998);         // 1.33 per ms: the rate stays 1
  EXPECT_EQ(e.Installed(2, 1000, 1000, 0), 997 / 3);     // 3 per ms: the rate follows
}

TEST(TimeEstimate, EmptyListsAndEmptyFiles) {
  TimeEstimate none(0, 0, 0);
  EXPECT_EQ(none.BarPosition(), 0);
  TimeEstimate empty(0, 2, 0);
  EXPECT_EQ(empty.Installed(0, 0, 10, 0), -1);
  EXPECT_EQ(empty.BarPosition(), 0);
}

TEST(TimeEstimate, SecondsAreRoundedAndFormatted) {
  const struct {
    std::int64_t s;
    std::string english, chinese;
  } cases[] = {
      {0, "Left: less a seconds", "Left: \xc9\xd9\xd3\xda" "1\xc3\xeb"},
      {45, "Left: 45s", "Left: 45\xc3\xeb"},
      {47, "Left: 45s", "Left: 45\xc3\xeb"},
      {30, "Left: 30s", "Left: 30\xc3\xeb"},
      {301, "Left: 5m 0s", "Left: 5\xb7\xd6" "0\xc3\xeb"},
      {3725, "Left: 1h 2m 0s", "Left: 1\xd0\xa1\xca\xb1" "2\xb7\xd6" "0\xc3\xeb"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatRemainingTime("Left:", c.s, true), c.english) << c.s;
    EXPECT_EQ(FormatRemainingTime("Left:", c.s, false), c.chinese) << c.s;
  }
}

TEST(TimeEstimate, ShortenPathKeepsTheDriveAndTheLastComponents) {
  const std::string path = "C:\\Program Files\\App\\f.txt";
  const struct {
    int max;
    std::string expected;
  } cases[] = {
      {100, "C:\\...\\Program Files\\App\\f.txt"},
      {20, "C:\\...\\App\\f.txt"},
      {12, "C:\\...\\f.txt"},
      {8, "..\\f.txt"},  // not even head and tail fit: their last bytes
      {0, ""},
      {-4, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ShortenPath(path, c.max), c.expected) << c.max;
  EXPECT_EQ(ShortenPath("f.txt", 36), "...f.txt");
  EXPECT_LE(ShortenPath("C:\\a\\" + std::string(60, 'x') + "\\y.txt", 36).size(), 36u);
}

}  // namespace
}  // namespace sk
