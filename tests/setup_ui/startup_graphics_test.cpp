#include <gtest/gtest.h>

#include "setup_ui/gradient.h"
#include "setup_ui/splash_progress.h"

namespace sk {
namespace {

struct Bgr {
  int b, g, r;
  bool operator==(const Bgr&) const = default;
};

Bgr PixelAt(const std::vector<std::uint8_t>& pixels, int width, int row, int x) {
  const std::size_t at = static_cast<std::size_t>(row) * static_cast<std::size_t>(GradientStride(width)) + 3u * static_cast<std::size_t>(x);
  return {pixels[at], pixels[at + 1], pixels[at + 2]};
}

TEST(Gradient, TowardBlackStepsOncePerBand) {
  const auto px = GradientPixels(800, 600, 0x808000, 10, false);
  ASSERT_EQ(px.size(), 2400u * 600u);
  EXPECT_EQ(PixelAt(px, 800, 0, 0), (Bgr{128, 128, 0}));
  EXPECT_EQ(PixelAt(px, 800, 1, 799), (Bgr{126, 126, 0}));
  EXPECT_EQ(PixelAt(px, 800, 10, 5), (Bgr{126, 126, 0}));
  EXPECT_EQ(PixelAt(px, 800, 11, 5), (Bgr{124, 124, 0}));
  EXPECT_EQ(PixelAt(px, 800, 599, 0), (Bgr{8, 8, 0}));
}

TEST(Gradient, TowardWhiteAndRowPadding) {
  const auto px = GradientPixels(800, 600, 0x808000, 10, true);
  EXPECT_EQ(PixelAt(px, 800, 599, 0), (Bgr{248, 248, 240}));
  EXPECT_EQ(GradientStride(801), 2404);
  const auto odd = GradientPixels(5, 3, 0x0000FF, 1, false);  // 15 bytes of pixels, 1 of padding
  ASSERT_EQ(odd.size(), 16u * 3u);
  EXPECT_EQ(odd[15], 0);
  EXPECT_EQ(PixelAt(odd, 5, 0, 4), (Bgr{0, 0, 255}));
  EXPECT_EQ(PixelAt(odd, 5, 1, 0), (Bgr{0, 0, 170})) << "255 / 3 bands = 85 per step";
}

TEST(Gradient, AScreenShorterThanABandStaysOneColour) {
  const auto px = GradientPixels(4, 5, 0x102030, 10, false);
  EXPECT_EQ(PixelAt(px, 4, 4, 3), (Bgr{0x10, 0x20, 0x30}));
}

TEST(SplashProgress, CountsTicksUpToTheDuration) {
  int counter = 0, ticks = 0;
  SplashTick t{};
  do {
    t = NextSplashTick(counter, 3000);
    counter = t.counter;
    ++ticks;
  } while (!t.done && ticks < 1000);
  EXPECT_EQ(ticks, 300);
  EXPECT_EQ(t.progress, 1000);
  EXPECT_EQ(NextSplashTick(0, 3000).progress, 3);
  EXPECT_EQ(NextSplashTick(0, 25).done, false);
  EXPECT_EQ(NextSplashTick(20, 25).done, true);
}

TEST(SplashProgress, ANonPositiveDurationEndsAtTheFirstTickWithAFullBar) {
  for (int duration : {0, -5}) {
    const SplashTick t = NextSplashTick(0, duration);
    EXPECT_TRUE(t.done);
    EXPECT_EQ(t.progress, 1000);
  }
}

}  // namespace
}  // namespace sk
