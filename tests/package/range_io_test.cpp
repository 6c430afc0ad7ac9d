#include "package/range_io.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace sk {
namespace {

TEST(ExtractRange, CopiesTheRequestedBytes) {
  test::TempDir dir;
  const std::string source = dir.File("source");
  test::WriteAll(source, "0123456789");
  const struct {
    std::int64_t offset, count;
    std::string expected;
  } cases[] = {
      {2, 3, "234"}, {0, -1, "0123456789"}, {7, -1, "789"}, {4, 0, ""},
      {8, 100, "89"},          // runs past the end: stops there
      {20, 5, ""}, {20, -1, ""},  // beyond the end
      {-3, 4, ""},             // negative offset
  };
  for (const auto& c : cases) {
    const std::string out = dir.File("out");
    ASSERT_EQ(ExtractRange(out, source, c.offset, c.count), 1);
    EXPECT_EQ(test::ReadAll(out), c.expected) << c.offset << "," << c.count;
  }
}

TEST(ExtractRange, LargeRangesGoThroughInChunks) {
  test::TempDir dir;
  std::string data;
  for (int i = 0; i < 3 * 4096 + 17; ++i) data.push_back(static_cast<char>(i * 7));
  test::WriteAll(dir.File("source"), data);
  ASSERT_EQ(ExtractRange(dir.File("out"), dir.File("source"), 5, -1), 1);
  EXPECT_EQ(test::ReadAll(dir.File("out")), data.substr(5));
}

TEST(ExtractRange, ReplacesAReadOnlyDestination) {
  test::TempDir dir;
  test::WriteAll(dir.File("source"), "new");
  test::WriteAll(dir.File("out"), "old contents");
  std::filesystem::permissions(dir.File("out"), std::filesystem::perms::owner_read);
  ASSERT_EQ(ExtractRange(dir.File("out"), dir.File("source"), 0, -1), 1);
  EXPECT_EQ(test::ReadAll(dir.File("out")), "new");
}

TEST(ExtractRange, FailsWhenEitherFileCannotBeOpened) {
  test::TempDir dir;
  test::WriteAll(dir.File("source"), "x");
  EXPECT_EQ(ExtractRange(dir.File("out"), dir.File("missing"), 0, -1), 0);
  EXPECT_FALSE(std::filesystem::exists(dir.File("out")));
  EXPECT_EQ(ExtractRange(dir.File("no/such/dir/out"), dir.File("source"), 0, -1), 0);
}

TEST(ReadRange, ReadsZeroFillsAndNeverOutgrowsTheFile) {
  test::TempDir dir;
  test::WriteAll(dir.File("source"), "0123456789");
  const struct {
    std::int64_t length, offset;
    std::string expected;
  } cases[] = {
      {3, 2, "234"},
      {-1, 6, "6789"},
      {4, 8, std::string("89\0\0", 4)},  // short source: the rest reads as zero
      {5, 50, std::string(5, '\0')},
      {1 << 30, 0, "0123456789"},        // capped at the file's size
      {-7, 0, ""},
      {3, -2, std::string(3, '\0')},
  };
  for (const auto& c : cases) {
    const auto block = ReadRange(dir.File("source"), c.length, c.offset);
    ASSERT_TRUE(block);
    EXPECT_EQ(test::AsString(*block), c.expected) << c.length << "," << c.offset;
  }
  EXPECT_FALSE(ReadRange(dir.File("missing"), 1, 0));
}

}  // namespace
}  // namespace sk
