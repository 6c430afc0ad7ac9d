#include "package/setup_log.h"

#include <gtest/gtest.h>

namespace sk {
namespace {

const std::string kEnd = "\r\r\n";

TEST(SetupLog, WritesTheFourSectionsWithDoubledCarriageReturns) {
  SetupLogHead head;
  head.files = {"C:\\Program Files\\Demo\\demo.exe", "C:\\WINDOWS\\system32\\demo.ocx"};
  head.extensions = {"dmo", ""};
  head.fileMenuName = "Open with Demo";
  std::string bytes = SetupLogHeadBytes(head);
  bytes += SetupLogLine("C:\\Documents and Settings\\owner\\Desktop\\Demo.lnk");
  EXPECT_EQ(bytes, "[FILELIST]" + kEnd + "C:\\Program Files\\Demo\\demo.exe" + kEnd +
                       "C:\\WINDOWS\\system32\\demo.ocx" + kEnd + kEnd + "[TYPELIST]" + kEnd + "dmo" + kEnd +
                       kEnd + "[RIGHTCLICK]" + kEnd + "FILE\\Open with Demo" + kEnd + kEnd +
                       "[SHORTCUTLIST]" + kEnd + "C:\\Documents and Settings\\owner\\Desktop\\Demo.lnk" + kEnd);

  const SetupLogContent log = ReadSetupLog(bytes);
  EXPECT_EQ(log.files, head.files);
  EXPECT_EQ(log.extensions, std::vector<std::string>{"dmo"});
  ASSERT_EQ(log.rightClicks.size(), 1u);
  EXPECT_TRUE(log.rightClicks[0].allFiles);
  EXPECT_EQ(log.rightClicks[0].name, "Open with Demo");
  EXPECT_EQ(log.shortcuts, std::vector<std::string>{"C:\\Documents and Settings\\owner\\Desktop\\Demo.lnk"});
}

TEST(SetupLog, EmptySectionsAreHeaderAndBlankLine) {
  const std::string bytes = SetupLogHeadBytes({});
  EXPECT_EQ(bytes, "[FILELIST]" + kEnd + kEnd + "[TYPELIST]" + kEnd + kEnd + "[RIGHTCLICK]" + kEnd + kEnd +
                       "[SHORTCUTLIST]" + kEnd);
  const SetupLogContent log = ReadSetupLog(bytes);
  EXPECT_TRUE(log.files.empty() && log.extensions.empty() && log.rightClicks.empty() && log.shortcuts.empty());
}

TEST(SetupLog, ReadLogLineDropsTheLineEndAndOneCharacterMore) {
  SetupLogReader r("abc\r\r\n" "\r\r\n" "single\r\n" "x\r\n" "bare\n" "tail");
  EXPECT_EQ(r.ReadLogLine(), "abc");
  EXPECT_EQ(r.ReadLogLine(), "");
  EXPECT_EQ(r.ReadLogLine(), "singl") << "a single CR LF loses the last character";
  EXPECT_EQ(r.ReadLogLine(), "");
  EXPECT_EQ(r.ReadLogLine(), "bar");
  EXPECT_EQ(r.ReadLogLine(), "tai");
  EXPECT_EQ(r.ReadLogLine(), "");
  EXPECT_EQ(r.ReadLogLine(), "");
  r.Rewind();
  EXPECT_EQ(r.ReadLogLine(), "abc");
}

TEST(SetupLog, GbkPathsAndLineFeedsInTexts) {
  const std::string path = "C:\\\xb3\xcc\xd0\xf2\\\x95\\x.exe";  // 程序 and a character with a 0x5C trail byte
  SetupLogHead head;
  head.files = {path};
  EXPECT_EQ(ReadSetupLog(SetupLogHeadBytes(head)).files, std::vector<std::string>{path});
  EXPECT_EQ(SetupLogLine("a\nb"), "a\r\nb\r\r\n") << "text mode writes LF as CR LF";
}

TEST(SetupLog, DamagedLogsReadAsEmptySections) {
  // Cut off after the file section.
  const SetupLogContent cut = ReadSetupLog("[FILELIST]" + kEnd + "C:\\a" + kEnd + kEnd);
  EXPECT_EQ(cut.files, std::vector<std::string>{"C:\\a"});
  EXPECT_TRUE(cut.extensions.empty() && cut.rightClicks.empty() && cut.shortcuts.empty());
  // Re-saved with single line ends: one-character lines end their section early.
  const SetupLogContent resaved = ReadSetupLog("[FILELIST]\r\nC:\\ab\r\n\r\n[TYPELIST]\r\nx\r\ndmo\r\n\r\n");
  EXPECT_EQ(resaved.files, std::vector<std::string>{"C:\\a"});
  EXPECT_TRUE(resaved.extensions.empty());
  EXPECT_TRUE(ReadSetupLog("").files.empty());
  EXPECT_TRUE(ReadSetupLog(std::string(1000, '\n')).files.empty());
}

TEST(SetupLog, TypeLinesLongerThanThreeBytesAreLeftOut) {
  const std::string bytes = "[FILELIST]" + kEnd + kEnd + "[TYPELIST]" + kEnd + "txt" + kEnd + "docx" + kEnd + "a" +
                            kEnd + kEnd;
  EXPECT_EQ(ReadSetupLog(bytes).extensions, (std::vector<std::string>{"txt", "a"}));
}

TEST(SetupLog, RightClickKinds) {
  const struct {
    std::string line;
    bool allFiles;
    std::string name;
  } cases[] = {
      {"FILE\\Open with Demo", true, "Open with Demo"},
      {"file\\x", true, "x"},
      {"FiLe\\a\\b", true, "a\\b"},
      {"FOLDER\\Browse here", false, "Browse here"},
      {"FILES\\x", false, "x"},
      {"no backslash", false, "no backslash"},
      {"\\lead", false, "lead"},
  };
  for (const auto& c : cases) {
    const RightClickEntry e = ParseRightClickLine(c.line);
    EXPECT_EQ(e.allFiles, c.allFiles) << c.line;
    EXPECT_EQ(e.name, c.name) << c.line;
  }
}

}  // namespace
}  // namespace sk
