#include "package/registry_layout.h"

#include <gtest/gtest.h>

namespace sk {
namespace {

using V = std::vector<std::string>;

TEST(RegistryLayout, FileTypeKeysAreCreatedParentsFirstAndDeletedChildrenFirst) {
  const FileTypeKeys k = FileTypeKeysFor("dmo");
  EXPECT_EQ(k.CreationOrder(), (V{".dmo", "dmofile", "dmofile\\DefaultIcon", "dmofile\\shell", "dmofile\\shell\\open",
                                  "dmofile\\shell\\open\\command"}));
  EXPECT_EQ(k.DeletionOrder(), (V{".dmo", "dmofile\\DefaultIcon", "dmofile\\shell\\open\\command",
                                  "dmofile\\shell\\open", "dmofile\\shell", "dmofile"}));
}

TEST(RegistryLayout, MenuEntriesAndProductKeys) {
  const MenuEntryKeys all = MenuEntryKeysFor(true, "Open with Demo");
  EXPECT_EQ(all.shell, "*\\shell");
  EXPECT_EQ(all.DeletionOrder(), (V{"*\\shell\\Open with Demo\\command", "*\\shell\\Open with Demo"}));
  EXPECT_EQ(MenuEntryKeysFor(false, "Browse").command, "folder\\shell\\Browse\\command");
  EXPECT_EQ(*UninstallEntryKey("Acme"), "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Acme");
  EXPECT_EQ(*ApplicationKey("Acme"), "Software\\Acme");
  EXPECT_FALSE(UninstallEntryKey("")) << "never the uninstall list itself";
  EXPECT_FALSE(ApplicationKey(""));
}

TEST(RegistryLayout, RootNamesAreExact) {
  EXPECT_EQ(ParseRootName("HKEY_LOCAL_MACHINE"), RegRoot::LocalMachine);
  EXPECT_EQ(ParseRootName("HKEY_CURRENT_CONFIG"), RegRoot::CurrentConfig);
  for (const char* no : {"hkey_local_machine", "HKLM", "HKEY_LOCAL_MACHINE ", ""}) EXPECT_FALSE(ParseRootName(no)) << no;
}

}  // namespace
}  // namespace sk
