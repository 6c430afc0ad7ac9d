#include <gtest/gtest.h>

#include "gbk_text.h"

namespace sk::tool {
namespace {

TEST(GbkTextTest, ConvertsBothWays) {
  EXPECT_EQ(Utf8ToGbk("初始化数据失败!"),
            "\xB3\xF5\xCA\xBC\xBB\xAF\xCA\xFD\xBE\xDD\xCA\xA7\xB0\xDC!");
  EXPECT_EQ(GbkToUtf8("\xB3\xF5\xCA\xBC abc"), "初始 abc");
  EXPECT_EQ(Utf8ToGbk(""), "");
}

TEST(GbkTextTest, RefusesWhatGbkCannotHold) {
  EXPECT_EQ(Utf8ToGbk("emoji \U0001F600"), std::nullopt);
  EXPECT_EQ(Utf8ToGbk("\xFF not UTF-8"), std::nullopt);
}

TEST(GbkTextTest, DamagedBytesStayVisible) {
  // A lead byte at the end, a lead byte with an impossible trail byte, and the byte 0x80.
  EXPECT_EQ(GbkToUtf8("a\xB3"), "a\\xB3");
  EXPECT_EQ(GbkToUtf8("\xB3\x20x"), "\\xB3 x");
  EXPECT_EQ(GbkToUtf8("\xFF\xB3\xF5"), "\\xFF初");
}

}  // namespace
}  // namespace sk::tool
