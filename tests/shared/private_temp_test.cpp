// The private temporary folder: where it is, who may open it, and that it goes.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shared/folder_security.h"
#include "shared/private_temp.h"
#include "shared/process_paths.h"

namespace sk {
namespace {

std::vector<BYTE> UserSid() {
  HANDLE token = nullptr;
  std::vector<BYTE> bytes;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return bytes;
  DWORD size = 0;
  GetTokenInformation(token, TokenUser, nullptr, 0, &size);
  bytes.resize(size);
  if (!GetTokenInformation(token, TokenUser, bytes.data(), size, &size)) bytes.clear();
  CloseHandle(token);
  return bytes;
}

class PrivateTemp : public testing::Test {
 protected:
  void TearDown() override { RemovePrivateTempFolder(); }
};

TEST_F(PrivateTemp, OneFolderInsideTheUsersTemporaryFolder) {
  ASSERT_TRUE(CreatePrivateTempFolder("layertest"));
  const std::string folder = PrivateTempFolder();
  std::string temp;
  ASSERT_TRUE(GetTempFolder(temp));
  ASSERT_GT(folder.size(), temp.size());
  EXPECT_EQ(folder.substr(0, temp.size()), temp);
  EXPECT_EQ(folder.back(), '\\');
  EXPECT_EQ(folder.find('\\', temp.size()), folder.size() - 1) << "directly inside";
  EXPECT_NE(folder.find("setupkit-layertest-"), std::string::npos);
  EXPECT_TRUE(GetFileAttributesA(folder.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
  ASSERT_TRUE(CreatePrivateTempFolder("layertest"));
  EXPECT_EQ(PrivateTempFolder(), folder) << "once per process";
}

bool Elevated() {
  HANDLE token = nullptr;
  TOKEN_ELEVATION elevation = {};
  DWORD size = 0;
  const bool got = OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token) &&
                   GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size);
  if (token) CloseHandle(token);
  return got && elevation.TokenIsElevated;
}

// What the folder is created with (Wine keeps no access lists on its files, so the list is
// read from the attributes rather than from the folder).
TEST(PrivateFolderSecurity, OnlyTheUserAndWhenElevatedTheAdministrators) {
  PrivateFolderSecurity security;
  ASSERT_NE(security.attributes(), nullptr);
  auto* descriptor = static_cast<PSECURITY_DESCRIPTOR>(security.attributes()->lpSecurityDescriptor);
  SECURITY_DESCRIPTOR_CONTROL control = 0;
  DWORD revision = 0;
  ASSERT_TRUE(GetSecurityDescriptorControl(descriptor, &control, &revision));
  EXPECT_TRUE(control & SE_DACL_PROTECTED) << "nothing is inherited from the temporary folder";
  BOOL present = FALSE, defaulted = FALSE;
  PACL dacl = nullptr;
  ASSERT_TRUE(GetSecurityDescriptorDacl(descriptor, &present, &dacl, &defaulted));
  ASSERT_TRUE(present);
  ASSERT_NE(dacl, nullptr) << "a null list would let everyone in";

  const std::vector<BYTE> user = UserSid();
  ASSERT_FALSE(user.empty());
  BYTE administrators[SECURITY_MAX_SID_SIZE];
  DWORD size = sizeof administrators;
  ASSERT_TRUE(CreateWellKnownSid(WinBuiltinAdministratorsSid, nullptr, administrators, &size));
  std::vector<PSID> expected{reinterpret_cast<const TOKEN_USER*>(user.data())->User.Sid};
  if (Elevated()) expected.push_back(administrators);

  ASSERT_EQ(dacl->AceCount, expected.size());
  for (DWORD i = 0; i < dacl->AceCount; ++i) {
    void* entry = nullptr;
    ASSERT_TRUE(GetAce(dacl, i, &entry));
    auto* ace = static_cast<ACCESS_ALLOWED_ACE*>(entry);
    EXPECT_EQ(ace->Header.AceType, ACCESS_ALLOWED_ACE_TYPE);
    EXPECT_TRUE(EqualSid(&ace->SidStart, expected[i])) << "entry " << i;
    EXPECT_EQ(ace->Mask & FILE_ALL_ACCESS, static_cast<DWORD>(FILE_ALL_ACCESS));
    EXPECT_EQ(ace->Header.AceFlags & (OBJECT_INHERIT_ACE | CONTAINER_INHERIT_ACE),
              OBJECT_INHERIT_ACE | CONTAINER_INHERIT_ACE) << "the files inside get the same list";
  }
}

TEST_F(PrivateTemp, RemovedWithItsFiles) {
  ASSERT_TRUE(CreatePrivateTempFolder("layertest"));
  const std::string folder = PrivateTempFolder();
  HANDLE file = CreateFileA((folder + "mirl.swf").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_READONLY, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  CloseHandle(file);
  ASSERT_TRUE(CreateDirectoryA((folder + "sub").c_str(), nullptr));
  RemovePrivateTempFolder();
  EXPECT_EQ(GetFileAttributesA(folder.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(PrivateTempFolder().empty());
}

}  // namespace
}  // namespace sk
