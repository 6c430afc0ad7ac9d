// InstallFile on real files under Wine, through the install probe: overwrite policies,
// read-only destinations, byte ranges, file dates, self-registration, volumes on further disks
// and damaged input.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <set>
#include <sstream>

#include "package/volume.h"
#include "win/child_process.h"
#include "win/file_times.h"
#include "win/install_run.h"

namespace sk::test {
namespace {

namespace fs = std::filesystem;

void WriteReadOnly(const std::string& path, const std::string& bytes) {
  WriteAll(path, bytes);
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
}

DWORD Attributes(const std::string& path) { return GetFileAttributesA(path.c_str()); }

WORD YearOf(const FILETIME& time) {
  SYSTEMTIME system{};
  FileTimeToSystemTime(&time, &system);
  return system.wYear;
}

// Bytes no compressor shrinks, so that damage lands inside the deflated data.
std::string Noise(std::size_t size) {
  std::string bytes;
  for (std::uint32_t x = 7; bytes.size() < size; x = x * 1103515245u + 12345u) bytes.push_back(static_cast<char>(x >> 24));
  return bytes;
}

TEST(InstallFileUnderWine, OverwritePoliciesWithTheDestinationMissingAndPresent) {
  struct Case {
    const char* name;
    std::int32_t copyMode;
    bool present;
    bool installed;
  };
  const Case cases[] = {
      {"always-missing", ALWAYS_COPY, false, true},   {"always-present", ALWAYS_COPY, true, true},
      {"notexist-missing", NOTEXIST_COPY, false, true}, {"notexist-present", NOTEXIST_COPY, true, false},
      {"ask-missing", ASK_COPY, false, true},
  };
  InstallRun run;
  for (const Case& c : cases) {
    FileEntry& entry = run.Add(c.name, std::string("new ") + c.name);
    entry.copyMode = c.copyMode;
    entry.subFolder = "sub";
  }
  fs::create_directories(run.installFolder() + "sub");
  for (const Case& c : cases)
    if (c.present) WriteAll(run.installFolder() + "sub\\" + c.name, "old");
  const auto report = run.Run();
  ASSERT_TRUE(report);
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const Case& c = cases[i];
    SCOPED_TRACE(c.name);
    EXPECT_EQ(report->installed[i], c.installed ? 1 : 0);
    const std::string expected = c.installed ? std::string("new ") + c.name : "old";
    EXPECT_EQ(ReadAll(run.installFolder() + "sub\\" + c.name), expected);
  }
  EXPECT_EQ(report->diskRequests, 0);
}

TEST(InstallFileUnderWine, ReadOnlyDestinationsReplacedOnlyByThePlainCopy) {
  InstallRun run;
  run.Add("plain.txt", "fresh plain");
  run.Add("zipped.txt", ZipArchive("fresh zipped"), true);
  fs::create_directories(run.installFolder());
  WriteReadOnly(run.Installed("plain.txt"), "old");
  WriteReadOnly(run.Installed("zipped.txt"), "old");
  const auto report = run.Run();
  ASSERT_TRUE(report);
  EXPECT_EQ(report->installed, (std::vector<int>{1, 0}));
  EXPECT_EQ(ReadAll(run.Installed("plain.txt")), "fresh plain");
  EXPECT_EQ(ReadAll(run.Installed("zipped.txt")), "old");
}

TEST(InstallFileUnderWine, UnzipProgressReachesThePage) {
  InstallRun run;
  run.Add("small.txt", ZipArchive(std::string(2000, 's')), true);
  run.Add("plain.txt", std::string(2000, 'p'));
  const auto report = run.Run();
  ASSERT_TRUE(report);
  EXPECT_EQ(report->installed, (std::vector<int>{1, 1}));
  // Ten chunks of 200 bytes and the empty read that ends the member; the plain copy sets the
  // bar itself and sends nothing.
  EXPECT_EQ(report->progressReports, 11);
}

TEST(InstallFileUnderWine, ByteRangesToTheEndAndBeyondIt) {
  InstallRun run;
  FileEntry& rest = run.Add("rest.bin", "tail of the package");
  rest.size = -1;
  FileEntry& longer = run.Add("longer.bin", "abc");
  longer.size = 1 << 20;  // the package ends first: what exists is the file
  FileEntry& outside = run.Add("outside.bin", "");
  outside.offset = 1 << 30;
  outside.size = 50;
  const std::int32_t restOffset = rest.offset, longerOffset = longer.offset;
  const auto report = run.Run();
  ASSERT_TRUE(report);
  EXPECT_EQ(report->installed, (std::vector<int>{1, 1, 1}));
  const std::string package = ReadAll(run.setupPath());
  EXPECT_EQ(ReadAll(run.Installed("rest.bin")), package.substr(static_cast<std::size_t>(restOffset)));
  EXPECT_EQ(ReadAll(run.Installed("longer.bin")), package.substr(static_cast<std::size_t>(longerOffset)));
  EXPECT_EQ(ReadAll(run.Installed("outside.bin")), "");
}

TEST(InstallFileUnderWine, DateTextSetsBothTimesThenTheAttributes) {
  InstallRun run;
  run.Add("dated.txt", "dated").date = "2004:11:25:10:30:00:2005:01:02:03:04:05:33:";
  run.Add("zipdated.txt", ZipArchive("zip dated"), true).date = "2004:11:25:10:30:00:2005:01:02:03:04:05:33:";
  const auto report = run.Run();
  ASSERT_TRUE(report);
  EXPECT_EQ(report->installed, (std::vector<int>{1, 1}));
  const bool keepsCreation = KeepsCreationTimes(run.folder());
  for (const char* name : {"dated.txt", "zipdated.txt"}) {
    SCOPED_TRACE(name);
    const std::string path = run.Installed(name);
    EXPECT_EQ(Attributes(path), static_cast<DWORD>(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE));
    const Times times = TimesOf(path);
    EXPECT_TRUE(times.written == LocalToFileTime(2005, 1, 2, 3, 4, 5));
    if (keepsCreation) EXPECT_TRUE(times.created == LocalToFileTime(2004, 11, 25, 10, 30, 0));
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);  // so the folder can go
  }
}

TEST(InstallFileUnderWine, UnusableDateTextsLeaveTheCopysTimes) {
  const char* texts[] = {
      "2004:11:25:10:30:00:2004:11:25:10:30:00:",     // twelve fields
      "2004:11:25:10:30:00:2004:11:25:10:30:00:33",   // the last field has no colon
      "2004:13:25:10:30:00:2004:11:25:10:30:00:33:",  // month 13
      "2004:02:30:10:30:00:2004:11:25:10:30:00:33:",  // 30 February
  };
  InstallRun run;
  for (std::size_t i = 0; i < std::size(texts); ++i) run.Add("d" + std::to_string(i), "x").date = texts[i];
  const auto report = run.Run();
  ASSERT_TRUE(report);
  for (std::size_t i = 0; i < std::size(texts); ++i) {
    SCOPED_TRACE(texts[i]);
    const std::string path = run.Installed("d" + std::to_string(i));
    EXPECT_EQ(report->installed[i], 1);
    EXPECT_EQ(Attributes(path) & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_GT(YearOf(TimesOf(path).written), 2005) << "the copy's own time";
  }
}

TEST(InstallFileUnderWine, OnlyDllAndOcxRegisterThemselves) {
  const std::string library = ReadAll(HostPath(SK_REGISTER_DLL));
  ASSERT_FALSE(library.empty());
  const char* names[] = {"lib.DLL", "ctl.Ocx", "lib.dllx", "a.dll.bak", "nodot"};
  InstallRun run;
  for (const char* name : names) run.Add(name, library);
  const auto report = run.Run();
  ASSERT_TRUE(report);
  EXPECT_EQ(report->installed, std::vector<int>(std::size(names), 1));
  std::set<std::string> registered;
  std::istringstream log(ReadAll(run.registerLog()));
  for (std::string entry, path; log >> entry && std::getline(log, path);) {
    EXPECT_EQ(entry, "register");
    registered.insert(fs::path(path.substr(1)).filename().string());
  }
  EXPECT_EQ(registered, (std::set<std::string>{"lib.DLL", "ctl.Ocx"}));
}

TEST(InstallFileUnderWine, ASecondDiskBesideSetupNeedsNoPrompt) {
  InstallRun run;
  run.config.disks[1].volumeName = "data.002";
  const std::string signature(VolumeSignature.begin(), VolumeSignature.end());
  WriteAll(run.folder() + "data.002", signature + "from disk two");
  FileEntry& entry = run.Add("two.txt", "");
  entry.disk = 2;
  entry.offset = static_cast<std::int32_t>(signature.size());
  entry.size = 13;
  run.Add("one.txt", "from setup");
  const auto report = run.Run();
  ASSERT_TRUE(report);
  EXPECT_EQ(report->diskRequests, 0);
  EXPECT_EQ(report->installed, (std::vector<int>{1, 1}));
  EXPECT_EQ(ReadAll(run.Installed("two.txt")), "from disk two");
  EXPECT_EQ(ReadAll(run.Installed("one.txt")), "from setup");
}

// A zip archive whose member's deflated data is cut short in the middle, with its central
// directory kept (and its place mended), so that the archive opens and the member ends early.
std::string WithMemberCutShort(std::string zip) {
  const std::size_t central = zip.rfind(std::string("PK\x01\x02", 4));
  const std::size_t end = zip.rfind(std::string("PK\x05\x06", 4));
  const std::size_t dataStart = 30 + std::strlen("member");
  const std::size_t keep = dataStart + (central - dataStart) / 2;
  std::string cut = zip.substr(0, keep) + zip.substr(central);
  const std::uint32_t centralAt = static_cast<std::uint32_t>(keep);
  std::memcpy(&cut[keep + (end - central) + 16], &centralAt, 4);
  return cut;
}

TEST(InstallFileUnderWine, DamagedMembersAreWrittenAsFarAsTheyRead) {
  const std::string content = Noise(100000);
  const std::string zip = ZipArchive(content);
  std::string corrupt = zip;
  for (std::size_t i = 60; i < 5000; ++i) corrupt[i] = static_cast<char>(corrupt[i] ^ 0x55);
  std::string bomb = ZipArchive(std::string(50000, 'b'));
  // Declared size lowered to 1000 in the local header and the central directory record.
  const std::uint32_t declared = 1000;
  std::memcpy(&bomb[22], &declared, 4);
  std::memcpy(&bomb[bomb.rfind(std::string("PK\x01\x02", 4)) + 24], &declared, 4);

  InstallRun run;
  run.Add("cut.bin", WithMemberCutShort(zip), true);
  run.Add("corrupt.bin", corrupt, true);
  run.Add("bomb.bin", bomb, true);
  run.Add("notzip.bin", "no archive at all", true);
  run.Add("halfzip.bin", zip.substr(0, zip.size() / 2), true);
  const auto report = run.Run();
  ASSERT_TRUE(report);
  EXPECT_EQ(report->installed, (std::vector<int>{1, 1, 1, 0, 0}));
  // Half the deflated data survives; past the cut the inflater reads the directory's bytes.
  const std::string cut = ReadAll(run.Installed("cut.bin"));
  ASSERT_GE(cut.size(), content.size() / 4);
  EXPECT_LT(cut.size(), content.size());
  EXPECT_EQ(cut.compare(0, content.size() / 4, content, 0, content.size() / 4), 0);
  EXPECT_LE(ReadAll(run.Installed("corrupt.bin")).size(), content.size());
  EXPECT_EQ(ReadAll(run.Installed("bomb.bin")), std::string(1000, 'b'));
  EXPECT_TRUE(fs::is_empty(run.temp())) << "no temporary copy stays behind";
}

}  // namespace
}  // namespace sk::test
