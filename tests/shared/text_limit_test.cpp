#include <gtest/gtest.h>

#include "shared/text_limit.h"

namespace sk {
namespace {

TEST(TextLimit, TheNoticeNamesTheLimitInBothLanguages) {
  const std::string notice = TooLongNotice(47);
  const std::size_t first = notice.find("47");
  ASSERT_NE(first, std::string::npos);
  EXPECT_NE(notice.find("47", first + 2), std::string::npos) << notice;
  EXPECT_NE(notice.find("too long"), std::string::npos) << notice;
  EXPECT_NE(notice.find("\r\n"), std::string::npos) << "one line per language";
  EXPECT_EQ(TooLongNotice(255).find("47"), std::string::npos);
}

}  // namespace
}  // namespace sk
