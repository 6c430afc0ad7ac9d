#include "setup_ui/folder_rules.h"

#include <gtest/gtest.h>

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

TEST(FolderRules, PreviousInstallationOrDefault) {
  const SetupConfig c = Demo();
  const PreviousInstall sameVersion{"D:\\Old\\Demo\\", "1.0"};
  EXPECT_EQ(ProposedFolder(sameVersion, true, c, kPlatform), "D:\\Old\\Demo\\");
  EXPECT_EQ(ProposedFolder(sameVersion, false, c, kPlatform), "C:\\Program Files\\Demo\\") << "its folder is gone";
  EXPECT_EQ(ProposedFolder({"D:\\Old\\Demo\\", "2.0"}, true, c, kPlatform), "C:\\Program Files\\Demo\\");
  EXPECT_EQ(ProposedFolder({std::nullopt, "1.0"}, true, c, kPlatform), "C:\\Program Files\\Demo\\");
  SetupConfig words = c;
  words.version = "beta";
  EXPECT_EQ(ProposedFolder({"D:\\Old\\", "alpha"}, true, words, kPlatform), "D:\\Old\\") << "no leading number: both 0";
  SetupConfig named = c;
  named.pageTexts[kFolderPage][5] = "Demo Suite";
  EXPECT_EQ(DefaultInstallFolder(named, kPlatform), "C:\\Program Files\\Demo Suite\\");
}

TEST(FolderRules, BrowsingAppendsTheProductFolderOnce) {
  const SetupConfig c = Demo();
  EXPECT_EQ(WithProductFolder("D:\\Tools", c), "D:\\Tools\\Demo\\");
  EXPECT_EQ(WithProductFolder("D:\\Tools\\DEMO\\", c), "D:\\Tools\\DEMO\\");
  EXPECT_EQ(WithProductFolder("D:\\Tools\\demo", c), "D:\\Tools\\demo\\");
  EXPECT_EQ(WithProductFolder("D:\\", c), "D:\\Demo\\");
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
    int driveType;
    bool exists;
    TargetVerdict verdict;
  } cases[] = {
      {"", 3, true, TargetVerdict::InvalidDrive},
      {"A:", 1, false, TargetVerdict::FloppyDrive},
      {"b:", 1, false, TargetVerdict::FloppyDrive},
      {"E:", 1, false, TargetVerdict::InvalidDrive},
      {"E:", 2, true, TargetVerdict::FloppyDrive},
      {"E:", 5, true, TargetVerdict::CdDrive},
      {"E:", 4, true, TargetVerdict::Accepted},
      {"C:", 3, true, TargetVerdict::Accepted},
      {"C:\\", 3, true, TargetVerdict::Accepted},
      {"D:\\NoSuchFolder", 3, false, TargetVerdict::InvalidFolder},
      {"D:\\Tools", 3, true, TargetVerdict::Accepted},
  };
  for (const auto& c : cases) EXPECT_EQ(CheckInstallTargetRule(c.location, c.driveType, c.exists), c.verdict) << c.location;
  EXPECT_EQ(TargetVerdictText(TargetVerdict::CdDrive, true), "Netword driver!");
  EXPECT_EQ(TargetVerdictText(TargetVerdict::InvalidDrive, false), "\xce\xde\xd0\xa7\xb5\xc4\xc7\xfd\xb6\xaf\xc6\xf7!");
  EXPECT_EQ(TargetVerdictText(TargetVerdict::Accepted, true), "");
}

TEST(FolderRules, DiskSpaceQuestion) {
  EXPECT_EQ(DiskSpaceQuestion(2.5, 1, true), "The setup need space 2.5 MB,but left only 1.0 MB.");
  EXPECT_EQ(DiskSpaceQuestion(12.5, 3, false),
            "\xb0\xb2\xd7\xb0\xd0\xe8\xd2\xaa" "12.5MB\xbf\xd5\xbc\xe4,\xb5\xab\xca\xc7\xca\xa3\xd3\xe0\xbf\xd5\xbc\xe4\xd6\xbb\xd3\xd0" "3.0 MB.");
}

}  // namespace
}  // namespace sk
