#include "install/file_date.h"

#include <gtest/gtest.h>

namespace sk {
namespace {

TEST(FileDate, ReadsThirteenColonTerminatedFields) {
  const auto d = ParseFileDate("2004:11:25:10:30:00:2005:01:02:03:04:05:33:");
  ASSERT_TRUE(d);
  EXPECT_EQ(d->created.year, 2004);
  EXPECT_EQ(d->created.month, 11);
  EXPECT_EQ(d->created.second, 0);
  EXPECT_EQ(d->lastWritten.year, 2005);
  EXPECT_EQ(d->lastWritten.minute, 4);
  EXPECT_EQ(d->attributes, 33u);
}

TEST(FileDate, FieldsAreCutToFourCharactersAndExtraFieldsIgnored) {
  const auto d = ParseFileDate("200412:11:25:10:30:00:2004:11:25:10:30:00:32:99:");
  ASSERT_TRUE(d);
  EXPECT_EQ(d->created.year, 2004);
  EXPECT_EQ(d->attributes, 32u);
}

TEST(FileDate, IncompleteOrImpossibleDatesGiveNothing) {
  for (const char* text : {
           "",
           "2004:11:25:10:30:00:2004:11:25:10:30:00:32",    // the last field has no colon
           "2004:11:25:10:30:00:2004:11:25:10:30:00:",      // twelve fields
           "2004:00:25:10:30:00:2004:11:25:10:30:00:32:",   // month 0
           "2004:02:30:10:30:00:2004:11:25:10:30:00:32:",   // 30 February
           "2003:02:29:10:30:00:2004:11:25:10:30:00:32:",   // not a leap year
           "1969:12:31:23:59:59:2004:11:25:10:30:00:32:",   // before 1970
           "2004:11:25:24:00:00:2004:11:25:10:30:00:32:",   // hour 24
           "2004:11:25:10:30:00:2004:13:25:10:30:00:32:",
           "a:b:c:d:e:f:g:h:i:j:k:l:m:",
       })
    EXPECT_FALSE(ParseFileDate(text)) << text;
  EXPECT_TRUE(ParseFileDate("2000:02:29:00:00:00:2000:02:29:23:59:59:1:")) << "2000 is a leap year";
}

}  // namespace
}  // namespace sk
