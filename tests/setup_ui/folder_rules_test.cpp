#include "setup_ui/folder_rules.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace sk {
namespace {

const PlatformFolders kPlatform{"C:\\WINDOWS", "C:\\WINDOWS\\system32", "C:\\TEMP\\", "C:\\Users\\me\\Documents"};

SetupConfig Demo() {
  SetupConfig c;
  c.productName = "Demo";
  c.version = "1.00";
  c.pageTexts[kFolderPage][6] = "Program Files";
  return c;
}

TEST(FolderRules, PreviousInstallationOfTheSameVersionStillThere) {
  const auto there = [](const std::string&) { return true; };
  const auto gone = [](const std::string&) { return false; };
  const PreviousInstall sameVersion{"D:\\Old\\Demo", "1.0"};
  EXPECT_EQ(PreviousFolder(sameVersion, "1.00", there), "D:\\Old\\Demo");
  EXPECT_EQ(PreviousFolder(sameVersion, "1.00", gone), "") << "its folder is gone";
  EXPECT_EQ(PreviousFolder(sameVersion, "2.0", there), "");
  EXPECT_EQ(PreviousFolder({"D:\\Old\\", "alpha"}, "beta", there), "D:\\Old\\") << "no leading number: both 0";
  EXPECT_EQ(PreviousFolder({"D:\\Old\\", ""}, "1.0", there), "") << "no recorded version reads as 0";
  EXPECT_EQ(PreviousFolder({"D:\\Old\\", " 1.5x"}, "1.50", there), "D:\\Old\\") << "atof skips spaces and stops at x";
  EXPECT_EQ(PreviousFolder({std::nullopt, "1.0"}, "1.0", there), "");
  EXPECT_EQ(PreviousFolder({"", "1.0"}, "1.0", there), "");
  int asked = 0;
  const auto counting = [&](const std::string&) { return ++asked, true; };
  PreviousFolder({"D:\\Old\\", "2.0"}, "1.0", counting);
  EXPECT_EQ(asked, 0) << "a folder of another version is not looked for";
}

TEST(FolderRules, DefaultFolderIsTheMacroFolderAndTheProductFolder) {
  SetupConfig c = Demo();
  EXPECT_EQ(DefaultInstallFolder(c, kPlatform), "C:\\Program Files\\Demo\\");
  c.pageTexts[kFolderPage][5] = "Demo Suite";
  EXPECT_EQ(DefaultInstallFolder(c, kPlatform), "C:\\Program Files\\Demo Suite\\");
}

TEST(FolderRules, BrowsingAppendsTheProductFolderOnce) {
  const SetupConfig c = Demo();
  EXPECT_EQ(WithProductFolder("D:\\Tools", c), "D:\\Tools\\Demo\\");
  EXPECT_EQ(WithProductFolder("D:\\Tools\\DEMO\\", c), "D:\\Tools\\DEMO\\");
  EXPECT_EQ(WithProductFolder("D:\\Tools\\demo", c), "D:\\Tools\\demo\\");
  EXPECT_EQ(WithProductFolder("D:\\", c), "D:\\Demo\\");
  EXPECT_EQ(WithProductFolder("D:\\Tools\\MyDemo", c), "D:\\Tools\\MyDemo\\Demo\\") << "a name that only ends alike";
  SetupConfig named = c;
  named.pageTexts[kFolderPage][5] = "Tools";
  EXPECT_EQ(WithProductFolder("D:\\Tools", named), "D:\\Tools\\");
}

TEST(FolderRules, ProductFolderComparesDoubleByteCharactersExactly) {
  SetupConfig c = Demo();
  c.pageTexts[kFolderPage][5] = "\xb2\xe2\xca\xd4";  // 测试
  EXPECT_EQ(WithProductFolder("D:\\\xb2\xe2\xca\xd4", c), "D:\\\xb2\xe2\xca\xd4\\");
  // The trail bytes 0x41 and 0x61 are no letters A and a: these are two different characters.
  c.pageTexts[kFolderPage][5] = "\x81\x41";
  EXPECT_EQ(WithProductFolder("D:\\\x81\x61", c), "D:\\\x81\x61\\\x81\x41\\");
  c.pageTexts[kFolderPage][5] = "a";
  EXPECT_EQ(WithProductFolder("D:\\A", c), "D:\\A\\");
  // Nor may the product folder start inside a character: "\x41\\" here is half of one.
  c.pageTexts[kFolderPage][5] = "\x41";
  EXPECT_EQ(WithProductFolder("D:\\\x81\x41", c), "D:\\\x81\x41\\\x41\\");
  // Nor follow a trail byte 0x5C as if it were a backslash.
  EXPECT_EQ(WithProductFolder("D:\\\x81\\A", c), "D:\\\x81\\A\\A\\");
}

TEST(FolderRules, LocationIsTheParentFolder) {
  EXPECT_EQ(InstallLocation("C:\\Program Files\\Demo\\"), "C:\\Program Files");
  EXPECT_EQ(InstallLocation("D:\\Demo\\"), "D:");
  EXPECT_EQ(InstallLocation("D:\\Demo"), "D:");
  EXPECT_EQ(InstallLocation("D:\\"), "");
}

TEST(FolderRules, InstallTargets) {
  const struct {
    std::string location;
    int driveType;  // what the drive answers; -1: the rule must not ask
    int exists;     // 0 or 1; -1: the rule must not ask
    TargetVerdict verdict;
  } cases[] = {
      {"", -1, -1, TargetVerdict::InvalidDrive},
      {"\\", -1, -1, TargetVerdict::InvalidDrive},
      {"A:", 1, -1, TargetVerdict::FloppyDrive},
      {"b:", 1, -1, TargetVerdict::FloppyDrive},
      {"a:\\", 1, -1, TargetVerdict::FloppyDrive},
      {"E:", 1, -1, TargetVerdict::InvalidDrive},
      {"E:", 2, -1, TargetVerdict::FloppyDrive},
      {"A:", 2, -1, TargetVerdict::FloppyDrive},
      {"E:", 5, -1, TargetVerdict::CdDrive},
      {"E:", 4, -1, TargetVerdict::Accepted},
      {"E:", 6, -1, TargetVerdict::Accepted},
      {"C:", 3, -1, TargetVerdict::Accepted},
      {"C:\\", 3, -1, TargetVerdict::Accepted},
      {"D:\\NoSuchFolder", -1, 0, TargetVerdict::InvalidFolder},
      {"D:\\Tools", -1, 1, TargetVerdict::Accepted},
      {"D:\\Tools\\", -1, 1, TargetVerdict::Accepted},
      {"ab", 3, -1, TargetVerdict::Accepted},
      {"abc", -1, 0, TargetVerdict::InvalidFolder},
  };
  for (const auto& c : cases) {
    std::string asked;
    const TargetProbe probe{[&](const std::string& drive) {
                              asked += "type " + drive;
                              return c.driveType;
                            },
                            [&](const std::string& path) {
                              asked += "exists " + path;
                              return c.exists == 1;
                            }};
    EXPECT_EQ(CheckInstallTargetRule(c.location, probe), c.verdict) << c.location;
    std::string expected;
    std::string bare = c.location;  // the rule asks about the location without its backslash
    if (!bare.empty() && bare.back() == '\\') bare.pop_back();
    if (c.driveType >= 0) expected = "type " + bare;
    if (c.exists >= 0) expected = "exists " + bare;
    EXPECT_EQ(asked, expected) << c.location;
  }
}

TEST(FolderRules, RefusalTexts) {
  const struct {
    TargetVerdict verdict;
    const char* english;
    const char* chinese;
  } cases[] = {
      {TargetVerdict::InvalidDrive, "Invalid driver!", "\xce\xde\xd0\xa7\xb5\xc4\xc7\xfd\xb6\xaf\xc6\xf7!"},
      {TargetVerdict::FloppyDrive, "Floppy driver!", "\xc8\xed\xc5\xcc\xc7\xfd\xb6\xaf\xc6\xf7!"},
      {TargetVerdict::CdDrive, "Netword driver!", "\xcd\xf8\xc2\xe7\xc7\xfd\xb6\xaf\xc6\xf7!"},
      {TargetVerdict::InvalidFolder, "Invalid folder!", "\xce\xde\xd0\xa7\xb5\xc4\xce\xc4\xbc\xfe\xbc\xd0!"},
      {TargetVerdict::Accepted, "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TargetVerdictText(c.verdict, true), c.english);
    EXPECT_EQ(TargetVerdictText(c.verdict, false), c.chinese);
  }
}

TEST(FolderRules, DiskSpaceQuestion) {
  EXPECT_EQ(DiskSpaceQuestion(2.5, 1, true), "The setup need space 2.5 MB,but left only 1.0 MB.");
  EXPECT_EQ(DiskSpaceQuestion(12.5, 3, false),
            "\xb0\xb2\xd7\xb0\xd0\xe8\xd2\xaa" "12.5MB\xbf\xd5\xbc\xe4,\xb5\xab\xca\xc7\xca\xa3\xd3\xe0\xbf\xd5\xbc\xe4\xd6\xbb\xd3\xd0" "3.0 MB.");
}

TEST(FolderRules, SpaceAnswers) {
  const struct {
    int answer, stopAnswer;
    SpaceAnswer outcome;
  } cases[] = {
      {3, 2, SpaceAnswer::GoOn},          {2, 2, SpaceAnswer::GiveUp},       {1, 2, SpaceAnswer::MeasureAgain},
      {-1, 2, SpaceAnswer::MeasureAgain}, {1, 1, SpaceAnswer::GiveUp},       {2, 1, SpaceAnswer::MeasureAgain},
      {3, 1, SpaceAnswer::GoOn},          {-1, 1, SpaceAnswer::MeasureAgain},
  };
  for (const auto& c : cases)
    EXPECT_EQ(DecideSpaceAnswer(c.answer, c.stopAnswer), c.outcome) << c.answer << " stop " << c.stopAnswer;
}

// The free-space loop against a volume that answers from a script of measurements (nothing:
// the measurement fails) and a user who answers from a script of answers.
struct SpaceScript {
  std::vector<std::optional<int>> measurements;
  std::vector<int> answers;
  std::vector<int> shownFree;  // the free megabytes each question showed

  bool Run(double requiredMb, int stopAnswer) {
    std::size_t measured = 0, asked = 0;
    const MeasureFree measure = [&](int& free) {
      const std::optional<int> next = measurements.at(measured++);
      if (next) free = *next;
      return next.has_value();
    };
    const AskAboutSpace ask = [&](double, int free) {
      shownFree.push_back(free);
      return answers.at(asked++);
    };
    const bool result = AskUntilRoom(requiredMb, stopAnswer, measure, ask);
    EXPECT_EQ(measured, measurements.size()) << "every measurement used";
    EXPECT_EQ(asked, answers.size()) << "every answer used";
    return result;
  }
};

TEST(FolderRules, FreeSpaceLoop) {
  constexpr int kAbort = 2, kSelect = 1;
  SpaceScript enough{{10}, {}};
  EXPECT_TRUE(enough.Run(10.0, kAbort)) << "exactly the required space";
  SpaceScript unmeasurable{{std::nullopt}, {}};
  EXPECT_TRUE(unmeasurable.Run(99999.0, kAbort)) << "an unmeasurable volume is not asked about";
  SpaceScript fraction{{2}, {3}};
  EXPECT_TRUE(fraction.Run(2.5, kAbort));
  EXPECT_EQ(fraction.shownFree, std::vector<int>({2}));
  SpaceScript retried{{1, 1, 5}, {1, -1}};
  EXPECT_TRUE(retried.Run(4.0, kAbort)) << "Retry and Escape measure again until there is room";
  EXPECT_EQ(retried.shownFree, std::vector<int>({1, 1}));
  SpaceScript failedLater{{1, std::nullopt, 2}, {1, 1, 3}};
  EXPECT_TRUE(failedLater.Run(4.0, kAbort));
  EXPECT_EQ(failedLater.shownFree, std::vector<int>({1, 1, 2})) << "a failed measurement keeps the last";
  SpaceScript aborted{{1, 1}, {1, kAbort}};
  EXPECT_FALSE(aborted.Run(4.0, kAbort));
  SpaceScript selected{{1}, {kSelect}};
  EXPECT_FALSE(selected.Run(4.0, kSelect)) << "Select gives up on the folder page";
  SpaceScript retryOnPage{{1, 9}, {2}};
  EXPECT_TRUE(retryOnPage.Run(4.0, kSelect)) << "the second button retries on the folder page";
}

TEST(FolderRules, BrowserCallback) {
  const struct {
    BrowseEvent event;
    bool chinese, hasTitle;
    bool english, title, ok;
  } cases[] = {
      {BrowseEvent::Initialized, false, true, true, true, false},
      {BrowseEvent::Initialized, true, true, false, true, false},
      {BrowseEvent::Initialized, true, false, false, false, false},
      {BrowseEvent::SelectionChanged, false, true, true, false, true},
      {BrowseEvent::SelectionChanged, true, false, false, false, true},
      {BrowseEvent::Other, false, true, true, false, false},
      {BrowseEvent::Other, true, true, false, false, false},
  };
  for (const auto& c : cases) {
    const BrowseActions a = DecideBrowseActions(c.event, c.chinese, c.hasTitle);
    EXPECT_EQ(a.englishButtons, c.english);
    EXPECT_EQ(a.setTitle, c.title);
    EXPECT_EQ(a.enableOk, c.ok);
  }
}

}  // namespace
}  // namespace sk
