#include "install/install_paths.h"

#include <gtest/gtest.h>

namespace sk {
namespace {

const PlatformFolders kXp{"C:\\WINDOWS", "C:\\WINDOWS\\system32", "C:\\TEMP\\",
                          "C:\\Documents and Settings\\owner\\My Documents"};
const PlatformFolders kWinnt{"D:\\WINNT", "D:\\WINNT\\system32", "D:\\TEMP\\", "E:\\Users\\me\\Docs"};

TEST(InstallPaths, MacrosResolveToFoldersEndingInABackslash) {
  const struct {
    const PlatformFolders& platform;
    std::string macro, expected;
  } cases[] = {
      {kXp, "WINDOWS\xc4\xbf\xc2\xbc", "C:\\WINDOWS\\"},                      // WINDOWS目录
      {kXp, "\xcf\xb5\xcd\xb3\xc4\xbf\xc2\xbc", "C:\\WINDOWS\\system32\\"},   // 系统目录
      {kXp, "\xce\xd2\xb5\xc4\xce\xc4\xb5\xb5", "C:\\Documents and Settings\\owner\\My Documents\\"},  // 我的文档
      {kWinnt, "\xca\xd7\xc7\xfd\xb6\xaf\xc6\xf7", "C:\\"},                   // 首驱动器: always C
      {kWinnt, "\xcf\xb5\xcd\xb3\xc7\xfd\xb6\xaf\xc6\xf7", "D:\\"},           // 系统驱动器: the Windows drive
      {kWinnt, "Program Files", "D:\\Program Files\\"},
      {kWinnt, "program files", "D:\\Program Files\\"},                       // any other text
      {kXp, " WINDOWS\xc4\xbf\xc2\xbc", "C:\\Program Files\\"},               // blanks make it another macro
      {kXp, "", "C:\\Program Files\\"},
  };
  for (const auto& c : cases) EXPECT_EQ(ResolveFolderMacro(c.macro, c.platform), c.expected) << c.macro;
}

TEST(InstallPaths, BaseFoldersFromThePlatformsAnswers) {
  const BaseFolders f = MakeBaseFolders(kXp, "C:\\Program Files\\App\\");
  EXPECT_EQ(f.windows, "C:\\WINDOWS");
  EXPECT_EQ(f.system, "C:\\WINDOWS\\system32");
  EXPECT_EQ(f.temp, "C:\\TEMP");
  EXPECT_EQ(f.user, "C:\\Documents and Settings\\owner");
  EXPECT_EQ(f.sysDrive, "C:");
  EXPECT_EQ(f.install, "C:\\Program Files\\App");

  // A double-byte character whose trail byte is 0x5C is no separator.
  const BaseFolders g = MakeBaseFolders({"C:\\W", "C:\\W\\S", "C:\\T", "C:\\\x95\\\\docs"}, "C:\\\x95\\");
  EXPECT_EQ(g.user, "C:\\\x95\\");
  EXPECT_EQ(g.install, "C:\\\x95\\") << "the last character is not a backslash";
}

TEST(InstallPaths, EntriesGoBelowTheirBaseFolder) {
  const BaseFolders f = MakeBaseFolders(kXp, "C:\\Program Files\\App\\");
  const struct {
    std::int32_t kind;
    std::string subFolder, expected;
  } cases[] = {
      {SYSTEM_FOLDER, "", "C:\\WINDOWS\\system32\\a.dll"},
      {SYSTEM_FOLDER, "x\\", "C:\\WINDOWS\\system32\\x\\a.dll"},
      {WINDOWS_FOLDER, "bin\\data", "C:\\WINDOWS\\bin\\data\\a.dll"},
      {TEMP_FOLDER, "", "C:\\TEMP\\a.dll"},
      {USER_FOLDER, "", "C:\\Documents and Settings\\owner\\a.dll"},
      {SYSDRIVER_FOLDER, "", "C:\\a.dll"},
      {INSTALL_FOLDER, "", "C:\\Program Files\\App\\a.dll"},
      {12345, "", "C:\\Program Files\\App\\a.dll"},
  };
  for (const auto& c : cases) {
    FileEntry e;
    e.name = "a.dll";
    e.folderKind = c.kind;
    e.subFolder = c.subFolder;
    EXPECT_EQ(InstalledPath(e, f), c.expected) << c.kind << " " << c.subFolder;
  }
}

TEST(InstallPaths, KeywordPrefixedPaths) {
  const BaseFolders f = MakeBaseFolders(kXp, "C:\\Program Files\\App\\");
  BaseFolders root = f;
  root.windows = "C:\\";
  const struct {
    const BaseFolders& folders;
    std::string text, expected;
  } cases[] = {
      {f, "SYSTEM_FOLDER\\x.dll", "C:\\WINDOWS\\system32\\x.dll"},
      {f, "TEMP_FOLDER\\readme.txt", "C:\\TEMP\\readme.txt"},
      {f, "USER_FOLDER\\a\\b.txt", "C:\\Documents and Settings\\owner\\a\\b.txt"},
      {f, "SYSDRIVER_FOLDER\\x", "C:\\x"},
      {f, "windows_folder\\a.exe", "C:\\Program Files\\App\\a.exe"},
      {f, "INSTALL\\bin\\a.exe", "C:\\Program Files\\App\\bin\\a.exe"},
      {f, "a.exe", "C:\\Program Files\\Appa.exe"},          // no backslash: appended directly
      {root, "WINDOWS_FOLDER\\x", "C:\\\\x"},               // a drive root keeps both backslashes
  };
  for (const auto& c : cases) EXPECT_EQ(ResolveFolderPath(c.text, c.folders), c.expected) << c.text;
}

TEST(InstallPaths, DirTreePrefixesStopBeforeTheLastPart) {
  using V = std::vector<std::string>;
  EXPECT_EQ(DirTreePrefixes("C:\\A\\B\\f.txt"), (V{"C:", "C:\\A", "C:\\A\\B"}));
  EXPECT_EQ(DirTreePrefixes("C:\\A\\B\\"), (V{"C:", "C:\\A", "C:\\A\\B"}));
  EXPECT_EQ(DirTreePrefixes("f.txt"), V{});
  EXPECT_EQ(DirTreePrefixes("C:\\\x95\\\\f"), (V{"C:", "C:\\\x95\\"}));
}

}  // namespace
}  // namespace sk

namespace sk {
namespace {

TEST(InstallPaths, SelfRegisteringLibraries) {
  for (const char* yes : {"C:\\a\\x.dll", "x.DLL", "C:\\y.Ocx", "a.b.ocx"}) EXPECT_TRUE(IsSelfRegistering(yes)) << yes;
  for (const char* no : {"x.dllx", "a.dll.bak", "C:\\dir.dll\\name", "dll", "x.dl", "x.", ""})
    EXPECT_FALSE(IsSelfRegistering(no)) << no;
}

}  // namespace
}  // namespace sk
