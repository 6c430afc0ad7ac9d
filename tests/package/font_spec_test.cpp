#include "package/font_spec.h"

#include <gtest/gtest.h>

namespace sk {
namespace {

TEST(FontSpec, ReadsTheFourteenFields) {
  const FontSpec f = ParseFontSpec("134:0:0:\xcb\xce\xcc\xe5:-24:0:0:0:0:0:0:0:700:0");  // 宋体
  EXPECT_EQ(f.charSet, 134);
  EXPECT_EQ(f.faceName, "\xcb\xce\xcc\xe5");
  EXPECT_EQ(f.height, -24);
  EXPECT_EQ(f.weight, 700);
  EXPECT_EQ(f.width, 0);
  EXPECT_EQ(ShadowOffset(f), 2);

  const FontSpec g = ParseFontSpec("390:1:2:Arial:12:257:3:4:5:6:7:8:400:9");
  EXPECT_EQ(g.charSet, 390 & 0xFF) << "byte fields keep the low 8 bits";
  EXPECT_EQ(g.italic, 1);
  EXPECT_EQ(g.escapement, 2);
  EXPECT_EQ(g.orientation, 3);
  EXPECT_EQ(g.pitchAndFamily, 5);
  EXPECT_EQ(g.underline, 8);
  EXPECT_EQ(g.width, 9);
}

TEST(FontSpec, PartialOrOverlongTextsParseWhatTheyHave) {
  const FontSpec empty = ParseFontSpec("");
  EXPECT_EQ(empty.height, 0);
  EXPECT_EQ(empty.faceName, "");
  const FontSpec partial = ParseFontSpec("134:0:0:Face");
  EXPECT_EQ(partial.charSet, 134);
  EXPECT_EQ(partial.faceName, "Face");
  EXPECT_EQ(partial.weight, 0);
  EXPECT_EQ(ParseFontSpec("1:0:0:" + std::string(40, 'F') + ":0").faceName, std::string(31, 'F'));
  EXPECT_EQ(ParseFontSpec("1:0:0:F:0:0:0:0:0:0:0:0:700:0:55").width, 55) << "the width follows the last colon";
}

TEST(FontSpec, FormatsWhatItParses) {
  const FontSpec f{.height = -24, .width = 3, .escapement = 900, .orientation = 450, .weight = 700, .italic = 1,
                   .underline = 1, .strikeOut = 0, .charSet = 134, .quality = 2, .faceName = "\xcb\xce\xcc\xe5"};
  const std::string text = FormatFontSpec(f);
  EXPECT_EQ(text, "134:0:900:\xcb\xce\xcc\xe5:-24:1:450:0:0:2:0:1:700:3");
  const FontSpec back = ParseFontSpec(text);
  EXPECT_EQ(FormatFontSpec(back), text);
  EXPECT_EQ(back.height, -24);
  EXPECT_EQ(back.width, 3);
}

}  // namespace
}  // namespace sk
