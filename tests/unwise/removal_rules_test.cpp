#include "unwise/removal_rules.h"

#include <gtest/gtest.h>

namespace sk {
namespace {

TEST(RemovalRules, KeySpecs) {
  const auto a = ParseKeySpec("HKEY_LOCAL_MACHINE|\\SOFTWARE\\Demo\\");
  ASSERT_TRUE(a);
  EXPECT_EQ(a->root, RegRoot::LocalMachine);
  EXPECT_EQ(a->path, "SOFTWARE\\Demo");
  EXPECT_EQ(ParseKeySpec("HKEY_CURRENT_USER|x|Software\\Last")->path, "Software\\Last") << "the key follows the last bar";
  for (const char* none : {"hkey_local_machine|SOFTWARE\\Demo", "HKEY_LOCAL_MACHINE|", "HKEY_LOCAL_MACHINE|\\",
                           "SOFTWARE\\Demo", "", "HKLM|SOFTWARE\\Demo"})
    EXPECT_FALSE(ParseKeySpec(none)) << none;
}

TEST(RemovalRules, ValueSpecs) {
  const auto v = ParseValueSpec("HKEY_CURRENT_USER|Software\\Demo|LastRun");
  ASSERT_TRUE(v);
  EXPECT_EQ(v->root, RegRoot::CurrentUser);
  EXPECT_EQ(v->path, "Software\\Demo");
  EXPECT_EQ(v->name, "LastRun");
  EXPECT_EQ(ParseValueSpec("HKEY_CURRENT_USER|a|b|c")->path, "a|b");
  const auto rootValue = ParseValueSpec("HKEY_CURRENT_USER|Stray");
  ASSERT_TRUE(rootValue);
  EXPECT_EQ(rootValue->path, "");
  EXPECT_FALSE(IsDeletableValue(*rootValue)) << "never a value of a root key";
  EXPECT_FALSE(ParseValueSpec("HKEY_CURRENT_USER|Software\\Demo|"));
  EXPECT_FALSE(ParseValueSpec("HKEY_BOGUS|Software\\Demo|x"));
}

TEST(RemovalRules, SharedKeysAreNeverDeleted) {
  const struct {
    RegRoot root;
    const char* path;
  } shared[] = {
      {RegRoot::CurrentUser, ""},
      {RegRoot::CurrentUser, "Software"},
      {RegRoot::CurrentUser, "SOFTWARE\\"},
      {RegRoot::CurrentUser, "Software\\\\Microsoft"},
      {RegRoot::CurrentUser, "Software\\Classes"},
      {RegRoot::CurrentUser, "Software\\Classes\\CLSID"},
      {RegRoot::LocalMachine, "SOFTWARE"},
      {RegRoot::LocalMachine, "SOFTWARE\\Microsoft"},
      {RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Windows"},
      {RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion"},
      {RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall"},
      {RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\"},
      {RegRoot::LocalMachine, "software/microsoft/windows/currentversion/uninstall"},
      {RegRoot::LocalMachine, "SOFTWARE\\Classes"},
      {RegRoot::LocalMachine, "SOFTWARE\\Classes\\Interface"},
      {RegRoot::LocalMachine, "SYSTEM"},
      {RegRoot::LocalMachine, "SYSTEM\\CurrentControlSet"},
      {RegRoot::LocalMachine, "System\\CurrentControlSet\\Services"},
      {RegRoot::ClassesRoot, ""},
      {RegRoot::ClassesRoot, "CLSID"},
      {RegRoot::ClassesRoot, "Interface"},
      {RegRoot::ClassesRoot, "TypeLib"},
      {RegRoot::ClassesRoot, "*"},
      {RegRoot::ClassesRoot, "*\\shell"},
      {RegRoot::ClassesRoot, "folder"},
      {RegRoot::ClassesRoot, "Directory"},
      {RegRoot::ClassesRoot, ".exe"},
      {RegRoot::Users, ""},
      {RegRoot::Users, ".DEFAULT"},
      {RegRoot::Users, "S-1-5-21-1\\Software"},
      {RegRoot::CurrentConfig, "Software"},
  };
  for (const auto& c : shared) EXPECT_TRUE(IsSharedKey(c.root, c.path)) << static_cast<int>(c.root) << " " << c.path;

  const struct {
    RegRoot root;
    const char* path;
  } own[] = {
      {RegRoot::CurrentUser, "Software\\Acme"},
      {RegRoot::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Acme"},
      {RegRoot::LocalMachine, "SOFTWARE\\Acme\\Demo"},
      {RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Acme Demo"},
      {RegRoot::LocalMachine, "SOFTWARE\\Classes\\dmofile"},
      {RegRoot::ClassesRoot, "dmofile"},
      {RegRoot::ClassesRoot, ".dmo"},
      {RegRoot::ClassesRoot, "*\\shell\\Open with Demo"},
      {RegRoot::ClassesRoot, "CLSID\\{12345678-1234-1234-1234-123456789ABC}"},
      {RegRoot::Users, "S-1-5-21-1\\Software\\Acme"},
  };
  for (const auto& c : own) EXPECT_FALSE(IsSharedKey(c.root, c.path)) << static_cast<int>(c.root) << " " << c.path;
}

TEST(RemovalRules, FolderTreesThatMustStay) {
  const std::vector<std::string> protect = {"C:\\windows", "C:\\windows\\system32", "C:\\Program Files",
                                            "C:\\users\\root", "C:\\users\\root\\Desktop"};
  for (const char* no : {"", "C:", "C:\\", "c:/", "\\", "\\\\server\\share", "demo", "C:\\Windows", "c:\\windows\\",
                         "C:\\Program Files\\Demo\\..", "C:\\Program Files\\Demo\\..\\..\\..", "C:\\windows.",
                         "C:\\Program Files", "C:\\PROGRAM FILES\\\\", "C:\\users", "C:\\Users\\Root",
                         "C:\\Users\\root\\desktop"})
    EXPECT_FALSE(MayRemoveTree(no, protect)) << no;
  for (const char* yes : {"C:\\Program Files\\Demo", "c:\\users\\root\\Desktop\\Demo", "D:\\Apps\\Demo",
                          "\\\\server\\share\\Demo"})
    EXPECT_TRUE(MayRemoveTree(yes, protect)) << yes;
}

TEST(RemovalRules, GroupWalkStopsBelowThePrograms) {
  const std::string programs = "C:\\Users\\root\\Start Menu\\Programs\\";
  using V = std::vector<std::string>;
  EXPECT_EQ(GroupFoldersToRemove({"C:\\Users\\root\\Desktop\\Demo.lnk",
                                  "C:\\Users\\root\\Start Menu\\Programs\\Demo\\Tools\\Demo.lnk"},
                                 programs),
            (V{"c:\\users\\root\\start menu\\programs\\demo\\tools", "c:\\users\\root\\start menu\\programs\\demo"}));
  EXPECT_EQ(GroupFoldersToRemove({"C:\\Users\\root\\Desktop\\Demo.lnk", "C:\\Quick Launch\\Demo.lnk"}, programs), V{});
  // An empty group name doubles a backslash; the shortcut then lies in Programs itself.
  EXPECT_EQ(GroupFoldersToRemove({"C:\\Users\\root\\Start Menu\\Programs\\\\Demo.lnk"}, programs), V{});
  // The Programs text somewhere inside another path is not a group below it.
  EXPECT_EQ(GroupFoldersToRemove({"D:\\x\\c:\\users\\root\\start menu\\programs\\evil\\a.lnk"}, programs), V{});
  // Dot segments resolve as Windows resolves them: this shortcut lies in the Start Menu.
  EXPECT_EQ(GroupFoldersToRemove({"C:\\Users\\root\\Start Menu\\Programs\\Demo\\..\\..\\a.lnk"}, programs), V{});
  EXPECT_EQ(GroupFoldersToRemove({"C:\\Users\\root\\Start Menu\\Programs\\Demo\\.\\Tools. \\a.lnk"}, programs),
            (V{"c:\\users\\root\\start menu\\programs\\demo\\tools", "c:\\users\\root\\start menu\\programs\\demo"}));
  EXPECT_EQ(GroupFoldersToRemove({"C:\\Users\\root\\Start Menu\\Programs\\Demo\\a.lnk"}, ""), V{});
}

TEST(RemovalRules, PacingAndProgress) {
  EXPECT_EQ(RemovalPausePerFile(0), 2000);
  EXPECT_EQ(RemovalPausePerFile(3), 500);
  EXPECT_EQ(RemovalProgress(1024, 3072), 333);
  EXPECT_EQ(RemovalProgress(2048, 3072), 666);
  EXPECT_EQ(RemovalProgress(5, 0), 0);
  EXPECT_EQ(RemovalProgress(std::int64_t{3} << 31, std::int64_t{6} << 31), 500) << "past 2 GiB";
}

TEST(RemovalRules, AbbreviatePath) {
  const struct {
    std::string path, expected;
  } cases[] = {
      {"C:\\Program Files\\Demo Suite\\bin\\demo.exe", "C:\\...\\bin\\demo.exe"},
      {"C:\\Program Files\\Demo Suite\\a-rather-long-folder\\readme.txt", "C:\\...\\readme.txt"},
      {"C:\\Program Files\\Demo\\averyveryverylongfilename_for_test.txt", "...\\averyveryverylongfilename_for_test.txt"},
      {"C:\\Program Files\\Demo\\demo.exe", "C:\\Program Files\\Demo\\demo.exe"},
      {std::string("C:\\") + std::string(32, 'a'), std::string("C:\\") + std::string(32, 'a')},   // 35: unchanged
      {std::string("C:\\") + std::string(29, 'a') + "\\b.x", "C:\\...\\" + std::string(29, 'a').substr(0, 0) + "b.x"},
  };
  for (const auto& c : cases) EXPECT_EQ(AbbreviatePath(c.path, 35), c.expected) << c.path;
}

}  // namespace
}  // namespace sk
