#include "package/package_trailer.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace sk {
namespace {

TEST(PackageTrailer, ParsesTheTail) {
  const struct {
    std::string tail;
    bool found;
    std::int32_t length, offset;
  } cases[] = {
      {"&LEN:10,SEEK:0.", true, 10, 0},
      {"xx&LEN:4975,SEEK:283284.", true, 4975, 283284},
      {"&LEN:5,SEEK:7.trailing bytes", true, 5, 7},
      {"&X:5,Y:7.", true, 5, 7},                    // the names are not compared
      {"&LEN: -3,SEEK:+9.", true, -3, 9},
      {"&LEN:,SEEK:abc.", true, 0, 0},
      {"&LEN:5SEEK:7.", true, 0, 0},                // no comma: neither number has its end
      {"&LEN:5,SEEK:7", true, 5, 0},                // no final dot
      {"&LEN:99999999999,SEEK:1.", true, 2147483647, 1},
      {"a&b&LEN:1,SEEK:2.", true, 1, 2},            // the last "&" counts
      {"LEN:1,SEEK:2.", false, 0, 0},
  };
  for (const auto& c : cases) {
    const auto t = ParsePackageTrailer("tail:" + c.tail);
    ASSERT_EQ(t.has_value(), c.found) << c.tail;
    if (!t) continue;
    EXPECT_EQ(t->length, c.length) << c.tail;
    EXPECT_EQ(t->offset, c.offset) << c.tail;
  }
}

TEST(PackageTrailer, AnAmpersandOpeningTheTailDoesNotCount) {
  EXPECT_FALSE(ParsePackageTrailer("&LEN:1,SEEK:2."));
  EXPECT_TRUE(ParsePackageTrailer("x&LEN:1,SEEK:2."));
}

TEST(PackageTrailer, MustLieWithinTheLast127Bytes) {
  test::TempDir dir;
  const std::string trailer = "&LEN:10,SEEK:0.";
  const struct {
    std::string file;
    bool found;
  } cases[] = {
      {std::string(1000, 'x') + trailer, true},
      {std::string(1000, 'x') + trailer + std::string(111, 'y'), true},   // "&" 126 bytes before the end
      {std::string(1000, 'x') + trailer + std::string(112, 'y'), false},  // exactly 127: first byte of the tail
      {std::string(1000, 'x') + trailer + std::string(113, 'y'), false},  // outside the tail
      {std::string(200, 'x'), false},
      {trailer, false},                                                 // the "&" starts the file
      {"z" + trailer, true},
      {"", false},
  };
  for (const auto& c : cases) {
    test::WriteAll(dir.File("pkg"), c.file);
    EXPECT_EQ(ReadPackageTrailer(dir.File("pkg")).has_value(), c.found) << c.file.size();
  }
  EXPECT_FALSE(ReadPackageTrailer(dir.File("missing")).has_value());
}

TEST(PackageTrailer, FormatsWhatItParses) {
  const PackageTrailer t{4975, 283284};
  EXPECT_EQ(FormatPackageTrailer(t), "&LEN:4975,SEEK:283284.");
  const auto back = ParsePackageTrailer("x" + FormatPackageTrailer(t));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->length, 4975);
  EXPECT_EQ(back->offset, 283284);
}

}  // namespace
}  // namespace sk
