#include "package/gbk.h"

#include <gtest/gtest.h>

namespace sk {
namespace {

TEST(Gbk, CutsNeverInsideADoubleByteCharacter) {
  const std::string zhong = "\xd6\xd0";  // one double-byte character
  const struct {
    std::string text;
    std::size_t max;
    std::string expected;
  } cases[] = {
      {"abc", 5, "abc"},
      {"abcdef", 3, "abc"},
      {"a" + zhong, 2, "a"},               // would split the character
      {"a" + zhong, 3, "a" + zhong},
      {zhong + zhong, 3, zhong},
      {"\x81\x40" "b", 2, "\x81\x40"},     // lowest lead byte
      {"\x80" "bc", 2, "\x80" "b"},        // 0x80 is a single byte
      {"\xff" "bc", 2, "\xff" "b"},
  };
  for (const auto& c : cases) EXPECT_EQ(CutOnCharBoundary(c.text, c.max), c.expected) << c.text;
}

}  // namespace
}  // namespace sk
