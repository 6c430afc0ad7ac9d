#include "package/token_list.h"

#include <gtest/gtest.h>

#include <string>

#include "support/temp_dir.h"

namespace sk {
namespace {

std::string Scrambled(std::string bytes, std::string_view key) {
  Scramble(reinterpret_cast<std::uint8_t*>(bytes.data()), static_cast<long>(bytes.size()), key);
  return bytes;
}

TEST(TokenList, SerialisesEveryTokenAsARow) {
  CTokenList list;
  list.Append("A");
  list.Append("");
  list.Append("TRUE");
  EXPECT_EQ(list.Serialize(), std::string("A\x08\x0D\x0A\x08\x0D\x0ATRUE\x08\x0D\x0A", 14));
  EXPECT_EQ(list.NextToken(), "A");
  EXPECT_EQ(list.NextToken(), "");
  EXPECT_EQ(list.NextToken(), "TRUE");
  for (int i = 0; i < 3; ++i) EXPECT_EQ(list.NextToken(), "") << "past the end, read " << i;
}

TEST(TokenList, ReadsBothTerminatorsAndDropsAnUnterminatedLastToken) {
  const struct {
    std::string text;
    std::vector<std::string> tokens;
  } cases[] = {
      {"a\x07" "b\x07", {"a", "b", ""}},
      {"a\x08\x0D\x0A" "b\x08\x0D\x0A", {"a", "b", ""}},
      {"a\x07" "b\x08XY" "c\x07", {"a", "b", "c", ""}},  // the two bytes after 0x08 are skipped
      {"a\x07" "tail", {"a", "", ""}},
      {"a\x08", {"a", ""}},  // a row end cut short by the end of the text
  };
  for (const auto& c : cases) {
    CTokenList list;
    list.LoadBytes(c.text, "");
    for (const auto& expected : c.tokens) EXPECT_EQ(list.NextToken(), expected) << c.text;
  }
}

TEST(TokenList, KeysArePaddedCutAndDefaulted) {
  const std::string data("\x00\x07\x08 hello \xff", 10);
  EXPECT_EQ(Scrambled(data, ""), Scrambled(data, "kelpjorn"));
  EXPECT_EQ(Scrambled(data, "abc"), Scrambled(data, "abc     "));
  EXPECT_EQ(Scrambled(data, "0123456789"), Scrambled(data, "01234567"));
  EXPECT_NE(Scrambled(data, "kqpz.dat"), Scrambled(data, "kelpjorn"));
}

TEST(TokenList, ScrambleIsUndoneByDescrambleForEveryByte) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  for (std::string_view key : {"kqpz.dat", "", "x", "a longer key"}) {
    std::string s = Scrambled(all, key);
    EXPECT_NE(s, all);
    Descramble(reinterpret_cast<std::uint8_t*>(s.data()), static_cast<long>(s.size()), key);
    EXPECT_EQ(s, all) << key;
  }
}

TEST(TokenList, ZeroLengthScrambleLeavesTheBuffer) {
  std::string s = "abc";
  Scramble(reinterpret_cast<std::uint8_t*>(s.data()), 0, "kqpz.dat");
  Scramble(reinterpret_cast<std::uint8_t*>(s.data()), -5, "kqpz.dat");
  EXPECT_EQ(s, "abc");
}

TEST(TokenList, KnownScrambledBytes) {
  // The key's bytes fold to one XOR mask; each byte is then negated.
  const std::string s = Scrambled(std::string("A\x08\x0D\x0A", 4), "kqpz.dat");
  std::uint8_t mask = 0;
  for (char c : std::string("kqpz.dat")) mask ^= static_cast<std::uint8_t>(c);
  EXPECT_EQ(static_cast<std::uint8_t>(s[0]), static_cast<std::uint8_t>(-('A' ^ mask)));
  EXPECT_EQ(static_cast<std::uint8_t>(s[3]), static_cast<std::uint8_t>(-(0x0A ^ mask)));
}

TEST(TokenList, LoadFileDescramblesUpToTheFirstNul) {
  test::TempDir dir;
  CTokenList written;
  written.Append("first");
  written.Append("second");
  test::WriteAll(dir.File("block"), ScrambledBlock(written) + Scrambled(std::string("\0junk\x07", 6), kPackageKey));

  CTokenList read;
  ASSERT_EQ(read.LoadFile(dir.File("block"), kPackageKey), 1);
  EXPECT_EQ(read.Serialize(), written.Serialize());
  EXPECT_EQ(read.NextToken(), "first");
  EXPECT_EQ(read.NextToken(), "second");
  EXPECT_EQ(read.NextToken(), "");
}

TEST(TokenList, LoadFileWithEmptyKeyKeepsTheScrambledBytes) {
  test::TempDir dir;
  const std::string scrambled = Scrambled("abc", kPackageKey) + std::string("\0rest", 5);
  test::WriteAll(dir.File("block"), scrambled);
  CTokenList list;
  ASSERT_EQ(list.LoadFile(dir.File("block"), ""), 1);
  EXPECT_EQ(list.Serialize(), scrambled.substr(0, scrambled.find('\0')));
}

TEST(TokenList, LoadFileOfAMissingFileFailsAndKeepsTheList) {
  CTokenList list;
  list.Append("kept");
  EXPECT_EQ(list.LoadFile("/nonexistent/dir/file", kPackageKey), 0);
  EXPECT_EQ(list.NextToken(), "kept");
}

TEST(TokenList, LongTokensAreReadWholeUpToTheLimitAndCutBeyond) {
  CTokenList list;
  list.Append(std::string(kMaxTokenBytes, 'x'));
  list.Append(std::string(kMaxTokenBytes + 500, 'y'));
  list.Append("after");
  EXPECT_EQ(list.NextToken(), std::string(kMaxTokenBytes, 'x'));
  EXPECT_EQ(list.NextToken(), std::string(kMaxTokenBytes, 'y'));
  EXPECT_EQ(list.NextToken(), "after");
}

}  // namespace
}  // namespace sk
