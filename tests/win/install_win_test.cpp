// The Win32 install routines called directly: the platform's folder answers, folder creation
// and self-registration with its reverse.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "install/win/dir_tree.h"
#include "install/win/platform_folders.h"
#include "install/win/self_register.h"
#include "support/temp_dir.h"
#include "win/child_process.h"

namespace sk::test {
namespace {

namespace fs = std::filesystem;

bool IsFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(InstallWin, BaseFoldersFromThePlatformsAnswers) {
  const BaseFolders folders = MakeBaseFolders(QueryPlatformFolders(), "C:\\Program Files\\App\\");
  // Wine keeps Windows in C:\windows and documents below C:\users\<name>.
  EXPECT_EQ(folders.windows, "C:\\windows");
  EXPECT_EQ(folders.system, "C:\\windows\\system32");
  EXPECT_EQ(folders.user, std::string("C:\\users\\") + std::getenv("USERNAME"));
  EXPECT_EQ(folders.sysDrive, "C:");
  EXPECT_EQ(folders.install, "C:\\Program Files\\App");
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  EXPECT_EQ(folders.temp + "\\", temp);
  EXPECT_TRUE(IsFolder(folders.temp));
}

TEST(InstallWin, CreateDirTreeMakesEveryFolderBeforeABackslash) {
  TempDir dir;
  CreateDirTree(dir.File("A\\B\\f.txt"));
  EXPECT_TRUE(IsFolder(dir.File("A\\B")));
  EXPECT_FALSE(fs::exists(dir.File("A\\B\\f.txt")));
  CreateDirTree(dir.File("A\\C\\"));
  EXPECT_TRUE(IsFolder(dir.File("A\\C")));
  CreateDirTree(dir.File("A\\B\\g.txt"));  // existing folders are left as they are
  EXPECT_TRUE(IsFolder(dir.File("A\\B")));
}

TEST(InstallWin, RegisterAndUnregisterCallTheLibrarysEntries) {
  TempDir dir;
  const std::string library = dir.File("server.dll");
  ASSERT_TRUE(CopyFileA(HostPath(SK_REGISTER_DLL).c_str(), library.c_str(), FALSE));
  const std::string log = dir.File("calls.log");
  SetEnvironmentVariableA("SK_REGISTER_LOG", log.c_str());
  EXPECT_TRUE(RegisterServer(library));
  EXPECT_TRUE(UnregisterServer(library));
  EXPECT_EQ(ReadAll(log), "register " + library + "\nunregister " + library + "\n");

  // Without the log the library's entries fail, and so do the calls.
  SetEnvironmentVariableA("SK_REGISTER_LOG", nullptr);
  EXPECT_FALSE(RegisterServer(library));
  EXPECT_FALSE(UnregisterServer(library));

  // What is no library does not load.
  WriteAll(dir.File("text.dll"), "not a library");
  EXPECT_FALSE(RegisterServer(dir.File("text.dll")));
  EXPECT_FALSE(RegisterServer(dir.File("missing.dll")));
}

}  // namespace
}  // namespace sk::test
