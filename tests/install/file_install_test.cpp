#include "install/file_install.h"

#include <gtest/gtest.h>

#include <minizip/zip.h>

#include <cstring>
#include <filesystem>
#include <map>

#include "package/volume.h"
#include "support/temp_dir.h"

namespace sk {
namespace {

namespace fs = std::filesystem;

// Records what InstallFile asks of the machine.
struct FakeHost : InstallHost {
  std::vector<int> bars;
  std::vector<std::int64_t> reports, pauses;
  std::vector<std::string> questions, registered, created;
  std::vector<int> diskRequests;
  std::map<int, std::string> diskFolders;
  std::map<int, std::string> folderAfterPrompt;
  int answer = 2;
  int dates = 0;

  void SetFileBar(int p) override { bars.push_back(p); }
  void ReportUnzipProgress(std::int64_t p) override { reports.push_back(p); }
  void Pause(std::int64_t ms) override { pauses.push_back(ms); }
  int AskOverwrite(const std::string& q) override {
    questions.push_back(q);
    return answer;
  }
  void RequestDisk(int index) override {
    diskRequests.push_back(index);
    const int disk = 2;
    if (folderAfterPrompt.count(disk)) diskFolders[disk] = folderAfterPrompt[disk];
  }
  std::string DiskFolder(int disk) override { return diskFolders[disk]; }
  void CreateDirTree(const std::string& path) override {
    created.push_back(path);
    fs::create_directories(fs::path(path).parent_path());
  }
  void ApplyFileDate(const std::string&, const FileDate&) override { ++dates; }
  void RegisterServer(const std::string& path) override { registered.push_back(path); }
};

// A one-member zip archive of content, as the authoring tool stores compressed entries.
std::string ZipOf(const test::TempDir& dir, const std::string& content, const std::string& name = "member") {
  const std::string path = dir.File("archive.zip");
  zipFile zip = zipOpen64(path.c_str(), APPEND_STATUS_CREATE);
  zip_fileinfo info{};
  zipOpenNewFileInZip64(zip, name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED, 9, 0);
  zipWriteInFileInZip(zip, content.data(), static_cast<unsigned>(content.size()));
  zipCloseFileInZip(zip);
  zipClose(zip, nullptr);
  std::string bytes = test::ReadAll(path);
  fs::remove(path);
  return bytes;
}

struct Fixture {
  test::TempDir dir;
  SetupConfig config;
  std::string setup = dir.File("setup.exe");
  FakeHost host;

  // Appends data to the setup file and adds an entry for it.
  FileEntry& Add(const std::string& name, const std::string& data, bool compressed = false) {
    std::string bytes = fs::exists(setup) ? test::ReadAll(setup) : std::string("MZ");
    FileEntry e;
    e.name = name;
    e.offset = static_cast<std::int32_t>(bytes.size());
    e.size = static_cast<std::int32_t>(data.size());
    e.compressed = compressed;
    test::WriteAll(setup, bytes + data);
    config.files.push_back(e);
    return config.files.back();
  }
  bool Install(int index, std::int64_t delay = 0) {
    BaseFolders folders;
    folders.install = dir.path() + "app";
    return InstallFile(index, {config, folders, setup, delay, true}, host);
  }
  std::string Installed(const std::string& name) { return test::ReadAll(dir.path() + "app\\" + name); }
  bool Exists(const std::string& name) { return fs::exists(dir.path() + "app\\" + name); }
};

TEST(FileInstall, PoliciesWithTheDestinationMissingAndPresent) {
  const struct {
    std::int32_t mode;
    int answer;
    bool replaced;
    bool asked;
  } cases[] = {
      {ALWAYS_COPY, 2, true, false},   {NOTEXIST_COPY, 2, false, false}, {ASK_COPY, 2, true, true},
      {ASK_COPY, 1, false, true},      {ASK_COPY, -1, false, true},      {77, 2, false, false},
  };
  for (const auto& c : cases) {
    Fixture f;
    f.config.uiTexts[0] = "FALSE";
    f.Add("a.txt", "new").copyMode = c.mode;
    ASSERT_TRUE(f.Install(0)) << "a missing destination is written under every mode: " << c.mode;
    EXPECT_TRUE(f.host.questions.empty());
    test::WriteAll(f.dir.path() + "app\\a.txt", "old");
    f.host.answer = c.answer;
    EXPECT_EQ(f.Install(0), c.replaced) << c.mode << " " << c.answer;
    EXPECT_EQ(f.Installed("a.txt"), c.replaced ? "new" : "old");
    ASSERT_EQ(f.host.questions.size(), c.asked ? 1u : 0u);
    if (c.asked)
      EXPECT_EQ(f.host.questions[0], "The file " + f.dir.path() + "app\\a.txt have existed,do you want to overlay?");
  }
}

TEST(FileInstall, ReadOnlyDestinationsAreReplacedOnlyByThePlainCopy) {
  Fixture f;
  f.Add("plain.txt", "new plain");
  f.Add("zipped.txt", ZipOf(f.dir, "new zipped"), true);
  for (const char* name : {"plain.txt", "zipped.txt"}) {
    const fs::path path = f.dir.path() + "app\\" + name;
    fs::create_directories(path.parent_path());  // on Windows app is a folder
    test::WriteAll(path.string(), "old");
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  }
  // Also where the system would let this process write a read-only file (root).
  EXPECT_TRUE(f.Install(0));
  EXPECT_EQ(f.Installed("plain.txt"), "new plain");
  EXPECT_FALSE(f.Install(1));
  EXPECT_EQ(f.Installed("zipped.txt"), "old");
  fs::permissions(f.dir.path() + "app\\zipped.txt", fs::perms::owner_all);  // so the folder can go
}

TEST(FileInstall, PlainCopyBarsAndPauses) {
  Fixture f;
  f.Add("a.txt", std::string(100, 'x'));
  ASSERT_TRUE(f.Install(0, 1000));
  EXPECT_EQ(f.host.bars, (std::vector<int>{0, 0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
  EXPECT_EQ(f.host.pauses, std::vector<std::int64_t>(10, 100));
  EXPECT_EQ(f.Installed("a.txt"), std::string(100, 'x'));
}

TEST(FileInstall, SizeMinusOneAndShortSources) {
  Fixture f;
  FileEntry& all = f.Add("rest.bin", "tail bytes");
  all.size = -1;
  ASSERT_TRUE(f.Install(0));
  EXPECT_EQ(f.Installed("rest.bin"), "tail bytes");

  FileEntry& longer = f.Add("short.bin", "abc");
  longer.size = 1000;  // the source ends first: the copy stops there and the file counts
  ASSERT_TRUE(f.Install(1));
  EXPECT_EQ(f.Installed("short.bin"), "abc");

  FileEntry& outside = f.Add("outside.bin", "");
  outside.offset = 1 << 30;
  outside.size = 50;
  EXPECT_TRUE(f.Install(2));
  EXPECT_EQ(f.Installed("outside.bin"), "");
}

TEST(FileInstall, CompressedMembersReportAndUnpack) {
  Fixture f;
  const std::string content(2000, 'z');
  f.Add("z.txt", ZipOf(f.dir, content), true);
  ASSERT_TRUE(f.Install(0, 200));
  EXPECT_EQ(f.Installed("z.txt"), content);
  // Chunks of 200 and a divisor of 1: 100, 200, ... 1000, and the empty read at the end.
  std::vector<std::int64_t> expected;
  for (int i = 1; i <= 11; ++i) expected.push_back(100 * i);
  EXPECT_EQ(f.host.reports, expected);
  EXPECT_EQ(f.host.pauses, std::vector<std::int64_t>(11, 10));
  EXPECT_EQ(f.host.bars, (std::vector<int>{0, 100}));
}

TEST(FileInstall, DamagedArchives) {
  Fixture f;
  std::string big;
  for (std::uint32_t x = 1; big.size() < 100000; x = x * 1103515245u + 12345u) big.push_back(static_cast<char>(x >> 24));
  std::string zip = ZipOf(f.dir, big);
  f.Add("notzip.bin", "this is no archive at all", true);
  std::string cut = zip.substr(0, zip.size() / 2);
  f.Add("cut.bin", cut, true);
  std::string corrupt = zip;
  for (std::size_t i = 60; i < 5000; ++i) corrupt[i] = static_cast<char>(corrupt[i] ^ 0x55);
  f.Add("corrupt.bin", corrupt, true);
  EXPECT_FALSE(f.Install(0));
  EXPECT_FALSE(f.Install(1)) << "no central directory left";
  EXPECT_TRUE(f.Install(2)) << "written as far as it reads";
  EXPECT_LE(f.Installed("corrupt.bin").size(), big.size());
  // Nothing but the package and what was installed: no temporary copy stays behind.
  // (Natively the install folder's files are names with a backslash, on Windows a folder.)
  for (const auto& file : fs::recursive_directory_iterator(f.dir.path())) {
    if (!file.is_regular_file()) continue;
    const std::string name = fs::relative(file.path(), f.dir.path()).string();
    EXPECT_TRUE(name == "setup.exe" || name.rfind("app", 0) == 0) << name;
  }
}

TEST(FileInstall, AMemberNeverOutgrowsItsDeclaredSize) {
  Fixture f;
  std::string zip = ZipOf(f.dir, std::string(50000, 'b'));
  // Lower the declared size, in the local header (offset 22) and in the central directory
  // (offset 24 of its record), to 1000.
  const std::size_t central = zip.rfind(std::string("PK\x01\x02", 4));
  ASSERT_NE(central, std::string::npos);
  const std::uint32_t fake = 1000;
  std::memcpy(&zip[22], &fake, 4);
  std::memcpy(&zip[central + 24], &fake, 4);
  f.Add("bomb.bin", zip, true);
  ASSERT_TRUE(f.Install(0));
  EXPECT_EQ(f.Installed("bomb.bin"), std::string(1000, 'b'));
}

TEST(FileInstall, VolumesOnFurtherDisks) {
  Fixture f;
  f.config.disks[1].volumeName = "disk2.vol";
  const std::string signature(reinterpret_cast<const char*>(VolumeSignature.data()), VolumeSignature.size());
  test::WriteAll(f.dir.File("disk2.vol"), signature + "first" + "second");
  f.host.diskFolders[2] = f.dir.path();
  FileEntry& a = f.Add("a.txt", "");
  a.disk = 2;
  a.offset = 16;
  a.size = 5;
  FileEntry& b = f.Add("b.txt", "");
  b.disk = 2;
  b.offset = 21;
  b.size = 6;
  ASSERT_TRUE(f.Install(0));
  EXPECT_EQ(f.Installed("a.txt"), "first");
  EXPECT_TRUE(f.host.diskRequests.empty()) << "the volume beside setup needs no prompt";

  // Moved away: exactly one prompt for the entry, then the confirmed folder serves the next.
  fs::create_directories(f.dir.path() + "cd");
  fs::rename(f.dir.File("disk2.vol"), f.dir.path() + "cd/disk2.vol");
  f.host.folderAfterPrompt[2] = f.dir.path() + "cd/";
  ASSERT_TRUE(f.Install(1));
  EXPECT_EQ(f.host.diskRequests, std::vector<int>{1});
  EXPECT_EQ(f.Installed("b.txt"), "second");
  ASSERT_TRUE(f.Install(0));
  EXPECT_EQ(f.host.diskRequests.size(), 1u);

  FileEntry& bogus = f.Add("c.txt", "x");
  bogus.disk = 9;
  EXPECT_FALSE(f.Install(2));
}

TEST(FileInstall, DatesAndSelfRegistration) {
  Fixture f;
  f.Add("x.DLL", "MZ").date = "2004:11:25:10:30:00:2004:11:25:10:30:00:33:";
  f.Add("y.Ocx", "MZ").date = "2004:11:25";
  f.Add("z.dllx", "MZ");
  f.Add("w.dll.bak", "MZ");
  f.Add("noext", "MZ");
  for (int i = 0; i < 5; ++i) ASSERT_TRUE(f.Install(i));
  EXPECT_EQ(f.host.dates, 1) << "only a complete date is applied";
  ASSERT_EQ(f.host.registered.size(), 2u);
  EXPECT_TRUE(f.host.registered[0].ends_with("app\\x.DLL")) << f.host.registered[0];
  EXPECT_TRUE(f.host.registered[1].ends_with("app\\y.Ocx")) << f.host.registered[1];
}

TEST(FileInstall, QuestionTexts) {
  EXPECT_EQ(OverwriteQuestion("C:\\a.txt", false),
            "\xce\xc4\xbc\xfe C:\\a.txt \xd2\xd1\xb4\xe6\xd4\xda,\xd2\xaa\xb8\xb2\xb8\xc7\xc2\xf0?");
  EXPECT_EQ(OverwriteQuestion("C:\\a.txt", true), "The file C:\\a.txt have existed,do you want to overlay?");
}

}  // namespace
}  // namespace sk
