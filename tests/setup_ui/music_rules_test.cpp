#include "setup_ui/music_rules.h"

#include <gtest/gtest.h>

namespace sk {
namespace {

TEST(MusicRules, FileNameFromTheExtension) {
  EXPECT_EQ(MusicFileName("mid"), "mirl.mid");
  EXPECT_EQ(MusicFileName("MID"), "mirl.MID");
  EXPECT_EQ(MusicFileName("wav"), "mirl.wav");
  EXPECT_EQ(MusicFileName(""), "") << "no music";
}

TEST(MusicRules, AnExtensionThatLeavesTheFolderMeansNoMusic) {
  for (const char* extension : {"mid\\..\\..\\evil.dll", "\\mid", "x/../y", "mid:stream", "C:"})
    EXPECT_EQ(MusicFileName(extension), "") << extension;
  // 0x5C as the trail byte of a GBK character is no separator.
  EXPECT_EQ(MusicFileName("\xB1\x5C"), "mirl.\xB1\x5C");
}

TEST(MusicRules, MidiPreparationByTheLastThreeCharacters) {
  struct Case {
    const char* path;
    bool prepared;
  } cases[] = {
      {"C:\\T\\mirl.mid", true}, {"C:\\T\\mirl.MID", true}, {"C:\\T\\mirl.mId", true},
      {"C:\\T\\mirl.wav", false}, {"C:\\T\\mirl.midi", false}, {"C:\\T\\mirl.rmid", true},
      {"mid", true}, {"id", false}, {"", false}, {"C:\\T\\mirl.m1d", false},
  };
  for (const Case& c : cases) EXPECT_EQ(NeedsMidiPreparation(c.path), c.prepared) << c.path;
}

}  // namespace
}  // namespace sk
