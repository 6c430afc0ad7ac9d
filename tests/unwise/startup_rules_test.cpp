#include "unwise/startup_rules.h"

#include <gtest/gtest.h>

namespace sk {
namespace {

TEST(StartupRules, TheCopyKnowsItselfByItsNameInAnyCase) {
  for (const char* copy : {"C:\\Temp\\x\\glb1a2b.exe", "C:\\Temp\\GLB1A2B.EXE", "glb1a2b.exe", "D:\\a.b\\Glb1A2b.tmp"})
    EXPECT_TRUE(IsRelocatedCopy(copy)) << copy;
  for (const char* first : {"C:\\Prog\\Demo\\unwise.exe", "C:\\glb1a2b\\unwise.exe", "C:\\x\\glb1a2b2.exe",
                            "C:\\x\\glb1a2.exe", "", "C:\\x\\"})
    EXPECT_FALSE(IsRelocatedCopy(first)) << first;
}

TEST(StartupRules, TheLogPathIsTheWholeCommandLineWithoutOneQuoteEachEnd) {
  const struct {
    const char* line;
    const char* path;
  } cases[] = {
      {"C:\\Prog\\Demo\\setup.log", "C:\\Prog\\Demo\\setup.log"},
      {"\"C:\\Prog\\Demo\\setup.log\"", "C:\\Prog\\Demo\\setup.log"},
      {"C:\\My Programs\\Demo Suite\\setup.log", "C:\\My Programs\\Demo Suite\\setup.log"},
      {"\"\"C:\\a\\setup.log\"\"", "\"C:\\a\\setup.log\""},
      {"\"C:\\a\\setup.log", "C:\\a\\setup.log"},
      {"\"", ""},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(LogPathFromCommandLine(c.line), c.path) << c.line;
}

TEST(StartupRules, TheFirstRunHandsOverTheLogBesideItself) {
  EXPECT_EQ(LogBeside("C:\\Prog\\Demo\\unwise.exe"), "C:\\Prog\\Demo\\setup.log");
  EXPECT_EQ(LogBeside("unwise.exe"), "setup.log");
}

TEST(StartupRules, TheFileDialogStartsInTheLogsFolderAndTakesOnlyALog) {
  EXPECT_EQ(LogFolderOf("C:\\Prog\\Demo\\setup.log"), "C:\\Prog\\Demo");
  EXPECT_EQ(LogFolderOf("setup.log"), "");
  for (const char* log : {"C:\\x\\SETUP.LOG", "C:\\x\\setup.log", "setup.log"}) EXPECT_TRUE(IsLogName(log)) << log;
  for (const char* other : {"C:\\x\\other.log", "C:\\x\\setup.log.bak", "C:\\setup.log\\", ""})
    EXPECT_FALSE(IsLogName(other)) << other;
}

}  // namespace
}  // namespace sk
