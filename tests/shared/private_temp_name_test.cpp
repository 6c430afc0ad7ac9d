#include <gtest/gtest.h>

#include "shared/private_temp_name.h"

namespace sk {
namespace {

TEST(PrivateTempName, NamesProgramProcessAndAttempt) {
  const PrivateTempOwner owner{1234, 0x01DA4C2B9E8F7A60ull};
  EXPECT_EQ(PrivateTempName("setup", owner, 0), "setupkit-setup-1234-01DA4C2B9E8F7A60-0");
  EXPECT_EQ(PrivateTempName("unwise", {7, 0}, 12), "setupkit-unwise-7-0000000000000000-12");
  EXPECT_EQ(PrivateTempPattern("setup"), "setupkit-setup-*");
}

TEST(PrivateTempName, ReadsBackWhatItWrites) {
  for (const PrivateTempOwner owner : {PrivateTempOwner{0, 0}, PrivateTempOwner{4294967295u, ~0ull},
                                       PrivateTempOwner{88, 0x0123456789ABCDEFull}})
    for (int attempt : {0, 99})
      EXPECT_EQ(ParsePrivateTempName(PrivateTempName("setup", owner, attempt), "setup"), owner);
}

TEST(PrivateTempName, RefusesNamesThatAreNotAFolderOfTheProgram) {
  for (const char* name : {
           "setupkit-unwise-1234-01DA4C2B9E8F7A60-0",   // another program's
           "setupkit-setup-1234-01DA4C2B9E8F7A60",      // no attempt
           "setupkit-setup-1234-01DA4C2B9E8F7A60-",     // empty attempt
           "setupkit-setup-1234-01DA4C2B9E8F7A6-0",     // 15 hex digits
           "setupkit-setup-1234-01DA4C2B9E8F7A600-0",   // 17
           "setupkit-setup-1234-01da4c2b9e8f7a60-0",    // lower case is not what we write
           "setupkit-setup--01DA4C2B9E8F7A60-0",        // no id
           "setupkit-setup-4294967296-01DA4C2B9E8F7A60-0",  // id beyond 32 bits
           "setupkit-setup-99999999999-01DA4C2B9E8F7A60-0",
           "setupkit-setup-12x4-01DA4C2B9E8F7A60-0",
           "setupkit-setup-1234-01DA4C2B9E8F7A60-0-1",  // something after the attempt
           "setupkit-setup-1234-01DA4C2B9E8F7A60-1234567890",  // attempt too long
           "setupkit-setup-",
           "setupkit-setup",
           "",
           "mirl.tmp",
       })
    EXPECT_FALSE(ParsePrivateTempName(name, "setup")) << name;
}

}  // namespace
}  // namespace sk
