#include "install/registration_plan.h"

#include <gtest/gtest.h>

namespace sk {
namespace {

std::string Dump(const RegistrationPlan& plan) {
  std::string out;
  for (const auto& w : plan) {
    out += std::to_string(static_cast<int>(w.root)) + ":" + w.key;
    for (const auto& v : w.values) out += " [" + v.name + "]=" + (v.number ? "#" + std::to_string(*v.number) : v.text);
    out += "\n";
  }
  return out;
}

TEST(RegistrationPlan, FileType) {
  EXPECT_EQ(Dump(FileTypeRegistration("txt", "C:\\App\\view.exe", 2)),
            "0:.txt []=txtfile\n"
            "0:txtfile\n"
            "0:txtfile\\DefaultIcon []=C:\\App\\view.exe,2\n"
            "0:txtfile\\shell\n"
            "0:txtfile\\shell\\open\n"
            "0:txtfile\\shell\\open\\command []=\"C:\\App\\view.exe\" \"%1\"\n");
  EXPECT_EQ(FileTypeRegistration("dmo", "C:\\x.exe", -1)[2].values[0].text, "C:\\x.exe,-1");
}

TEST(RegistrationPlan, MenuEntries) {
  EXPECT_EQ(Dump(MenuEntryRegistration(true, "C:\\App\\open.exe", "Open with Demo")),
            "0:*\\shell\n0:*\\shell\\Open with Demo\n0:*\\shell\\Open with Demo\\command []=\"C:\\App\\open.exe\"\n");
  EXPECT_EQ(MenuEntryRegistration(false, "p", "Browse")[2].key, "folder\\shell\\Browse\\command");
}

TEST(RegistrationPlan, UninstallEntry) {
  UninstallEntryValues v{"Acme", "Acme Demo", "1.5", "C:\\Program Files\\Demo\\unwise.exe", "C:\\Program Files\\Demo", 1025};
  EXPECT_EQ(Dump(UninstallRegistration(v)),
            "2:SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Acme [DisplayName]=Acme Demo "
            "[UninstallString]=\"C:\\Program Files\\Demo\\unwise.exe\" [DisplayVersion]=1.5 "
            "[DisplayIcon]=C:\\Program Files\\Demo\\unwise.exe [InstallLocation]=C:\\Program Files\\Demo "
            "[EstimatedSize]=#2 [NoModify]=#1 [NoRepair]=#1\n");
  v.installedBytes = std::uint64_t{5} << 40;
  EXPECT_EQ(*UninstallRegistration(v)[0].values[5].number, 0xFFFFFFFFu) << "capped, not wrapped";
  v.displayName.clear();
  EXPECT_TRUE(UninstallRegistration(v).empty());
  v.displayName = "Acme Demo";
  v.productKey.clear();
  EXPECT_TRUE(UninstallRegistration(v).empty()) << "never on the uninstall list itself";
}

TEST(RegistrationPlan, ApplicationKey) {
  ApplicationKeyValues v{"Acme", "2004-11-25", "1.5", "C:\\App", "D:\\Setup"};
  EXPECT_EQ(Dump(ApplicationKeyRegistration(v)),
            "1:Software\\Acme [RecentDate]=2004-11-25 [InstallPath]=C:\\App [Version]=1.5 [SourcePath]=D:\\Setup\n");
  v.releaseDate.clear();
  v.version.clear();
  EXPECT_EQ(Dump(ApplicationKeyRegistration(v)), "1:Software\\Acme [InstallPath]=C:\\App [Version]= [SourcePath]=D:\\Setup\n");
  v.productKey.clear();
  EXPECT_TRUE(ApplicationKeyRegistration(v).empty());
}

}  // namespace
}  // namespace sk
