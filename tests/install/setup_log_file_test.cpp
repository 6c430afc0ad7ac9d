#include "install/setup_log_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace sk {
namespace {

using test::ReadAll;
using test::TempDir;
using test::WriteAll;

std::string Folder(const TempDir& dir) { return dir.path().substr(0, dir.path().size() - 1); }

TEST(SetupLogFile, WritesTheHeadAndOneLinePerShortcut) {
  TempDir dir;
  SetupLogFile log;
  ASSERT_TRUE(log.Create(Folder(dir)));
  EXPECT_EQ(log.path(), dir.File("setup.log"));
  SetupLogHead head;
  head.files = {"C:\\App\\a.exe"};
  log.Write(SetupLogHeadBytes(head));
  log.WriteLine("C:\\Desk\\a.lnk");
  log.Close(false);
  EXPECT_EQ(ReadAll(dir.File("setup.log")), SetupLogHeadBytes(head) + "C:\\Desk\\a.lnk\r\r\n");
  EXPECT_EQ(ReadSetupLog(ReadAll(dir.File("setup.log"))).shortcuts, std::vector<std::string>{"C:\\Desk\\a.lnk"});
}

TEST(SetupLogFile, ReplacesAnOldLogThatWasReadOnly) {
  TempDir dir;
  WriteAll(dir.File("setup.log"), "an older, longer log of another installation");
  std::filesystem::permissions(dir.File("setup.log"), std::filesystem::perms::owner_read);
  SetupLogFile log;
  ASSERT_TRUE(log.Create(Folder(dir)));
  log.WriteLine("[FILELIST]");
  log.Close(false);
  EXPECT_EQ(ReadAll(dir.File("setup.log")), "[FILELIST]\r\r\n");
  EXPECT_NE(std::filesystem::status(dir.File("setup.log")).permissions() & std::filesystem::perms::owner_write,
            std::filesystem::perms::none);
}

TEST(SetupLogFile, FailsWhereNoFileCanBeCreatedAndIsDeletedOnRequest) {
  TempDir dir;
  std::filesystem::create_directory(dir.File("setup.log"));
  SetupLogFile blocked;
  EXPECT_FALSE(blocked.Create(Folder(dir)));
  EXPECT_FALSE(SetupLogFile().Create(dir.File("missing")));

  TempDir other;
  SetupLogFile log;
  ASSERT_TRUE(log.Create(Folder(other)));
  log.WriteLine("[FILELIST]");
  log.Close(true);
  EXPECT_FALSE(std::filesystem::exists(other.File("setup.log")));
}

}  // namespace
}  // namespace sk
