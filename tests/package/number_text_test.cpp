#include "package/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <cstdio>
#include <limits>
#include <random>

namespace sk {
namespace {

std::string Printf(const char* format, double value) {
  char text[400];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

TEST(UpperHex, PadsToTheWidthAndNeverCuts) {
  const struct {
    std::uint32_t value;
    int width;
    const char* expected;
  } cases[] = {
      {0, 8, "00000000"}, {0xABCDEFu, 8, "00ABCDEF"}, {0xFFFFFFFFu, 8, "FFFFFFFF"},
      {0x1234u, 2, "1234"}, {0, 0, "0"}, {0x9u, 1, "9"},
  };
  for (const auto& c : cases) EXPECT_EQ(UpperHex(c.value, c.width), c.expected) << c.value;
}

TEST(OneDecimal, MatchesPrintfOnEdgeCases) {
  const double cases[] = {0.0, -0.0, 0.04, -0.04, 0.05, 0.15, 0.25, 0.35, 0.45, 0.95, 0.96, 9.95,
                          12.25, 12.75, 99.95, 1.0 / 1048576, 123456.789, 2.5, 1e15 + 0.25,
                          4503599627370495.5, 9007199254740993.0, 1e22, 1e300,
                          std::numeric_limits<double>::max(), std::numeric_limits<double>::denorm_min(),
                          std::nextafter(0.05, 0.0), std::nextafter(0.25, 1.0)};
  for (double value : cases) EXPECT_EQ(OneDecimal(value), Printf("%.1f", value)) << value;
}

TEST(OneDecimal, MatchesPrintfOnManyValues) {
  std::mt19937_64 rng(20261211);
  std::uniform_int_distribution<std::uint64_t> bits;
  for (int i = 0; i < 20000; ++i) {
    // Megabyte counts as the disk check forms them, and arbitrary doubles.
    const double megabytes = static_cast<double>(bits(rng) >> 20) / 1048576.0 / 1024.0;
    std::uint64_t raw = bits(rng);
    double any;
    std::memcpy(&any, &raw, sizeof any);
    for (double value : {megabytes, any}) {
      if (std::isnan(value)) continue;
      ASSERT_EQ(OneDecimal(value), Printf("%.1f", value)) << value;
    }
  }
}

TEST(OneDecimal, NamesValuesThatAreNotFinite) {
  EXPECT_EQ(OneDecimal(std::numeric_limits<double>::infinity()), "inf");
  EXPECT_EQ(OneDecimal(-std::numeric_limits<double>::infinity()), "-inf");
  EXPECT_EQ(OneDecimal(std::numeric_limits<double>::quiet_NaN()), "nan");
}

}  // namespace
}  // namespace sk
