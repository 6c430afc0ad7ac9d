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

TEST(Gbk, BackslashesInsideDoubleByteCharactersAreNoSeparators) {
  const std::string trail5c = "\x95\\";  // a double-byte character ending in 0x5C
  const struct {
    std::string text;
    std::size_t first, last;
    bool endsWith;
  } cases[] = {
      {"a\\b\\c", 1, 3, false},
      {"C:\\" + trail5c, 2, 2, false},
      {trail5c + "\\", 2, 2, true},
      {trail5c, std::string::npos, std::string::npos, false},
      {"\\", 0, 0, true},
      {"", std::string::npos, std::string::npos, false},
      {"x\x95", std::string::npos, std::string::npos, false},  // a lead byte cut off at the end
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FindFirstBackslash(c.text), c.first) << c.text;
    EXPECT_EQ(FindLastBackslash(c.text), c.last) << c.text;
    EXPECT_EQ(EndsWithBackslash(c.text), c.endsWith) << c.text;
  }
}

}  // namespace
}  // namespace sk
