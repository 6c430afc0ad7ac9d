#include "unwise/removal_engine.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "package/setup_log.h"

namespace sk {
namespace {

// A machine in memory: files with sizes, registry keys, and a journal of what was done.
struct FakeMachine : RemovalHost {
  std::map<std::string, std::int64_t> files;
  std::set<std::string> keys;  // "root:path"
  std::optional<std::string> log;
  std::vector<std::string> journal;
  std::vector<std::string> status1, status2;
  std::vector<int> progress;
  std::vector<std::int64_t> pauses;
  std::string programs = "C:\\Users\\me\\Start Menu\\Programs\\";

  static std::string Key(RegRoot root, const std::string& path) { return std::to_string(static_cast<int>(root)) + ":" + path; }

  void SetStatus(int line, const std::string& text) override { (line == 1 ? status1 : status2).push_back(text); }
  void SetProgress(int p) override { progress.push_back(p); }
  void Pause(std::int64_t ms) override { pauses.push_back(ms); }
  std::optional<std::string> ReadLog(const std::string&) override { return log; }
  void ReportLogNotOpened(const std::string& m) override { journal.push_back("message " + m); }
  std::optional<std::int64_t> FileSize(const std::string& p) override {
    auto it = files.find(p);
    return it == files.end() ? std::nullopt : std::optional<std::int64_t>(it->second);
  }
  bool DeleteFile(const std::string& p) override {
    journal.push_back("delete " + p);
    return files.erase(p) > 0;
  }
  void UnregisterServer(const std::string& p) override {
    journal.push_back(std::string(files.count(p) ? "unregister " : "unregister-missing ") + p);
  }
  void DeleteKey(RegRoot r, const std::string& p) override {
    journal.push_back("key " + Key(r, p));
    keys.erase(Key(r, p));
  }
  void DeleteTree(RegRoot r, const std::string& p) override {
    journal.push_back("tree " + Key(r, p));
    const std::string prefix = Key(r, p);
    for (auto it = keys.begin(); it != keys.end();)
      it = (*it == prefix || it->rfind(prefix + "\\", 0) == 0) ? keys.erase(it) : std::next(it);
  }
  void DeleteValue(RegRoot r, const std::string& p, const std::string& n) override { journal.push_back("value " + Key(r, p) + "|" + n); }
  void RemoveFolderTree(const std::string& folder) override {
    journal.push_back("rmtree " + folder);
    for (auto it = files.begin(); it != files.end();) it = it->first.rfind(folder + "\\", 0) == 0 ? files.erase(it) : std::next(it);
  }
  std::vector<std::string> RemainingFiles(const std::string& folder) override {
    std::vector<std::string> out;
    for (const auto& [path, size] : files)
      if (path.rfind(folder + "\\", 0) == 0) out.push_back(path);
    return out;
  }
  std::string ProgramsFolder() override { return programs; }
  std::vector<std::string> ProtectedFolders() override {
    return {"C:\\WINDOWS", "C:\\WINDOWS\\system32", "C:\\Program Files", "C:\\Users\\me", "C:\\Users\\me\\Desktop"};
  }
  bool Did(const std::string& line) const { return std::find(journal.begin(), journal.end(), line) != journal.end(); }
  std::size_t IndexOf(const std::string& line) const { return static_cast<std::size_t>(std::find(journal.begin(), journal.end(), line) - journal.begin()); }
};

const std::string kInstall = "C:\\Program Files\\Demo";

std::string Log(const SetupLogHead& head, const std::vector<std::string>& shortcuts) {
  std::string bytes = SetupLogHeadBytes(head);
  for (const auto& s : shortcuts) bytes += SetupLogLine(s);
  return bytes;
}

UninstallSettings Settings() {
  UninstallSettings s;
  s.productName = "Demo";
  s.language = "FALSE";
  s.productKey = "Acme";
  s.displayName = "Acme Demo";
  s.finishLabel = "Finish";
  return s;
}

TEST(RemovalEngine, RemovesEverythingTheLogNamesInOrder) {
  FakeMachine m;
  for (const char* f : {"\\demo.exe", "\\demo.ocx", "\\unwise.exe", "\\setup.log"}) m.files[kInstall + f] = 1024;
  m.files["C:\\WINDOWS\\system32\\demo.dll"] = 1024;
  m.files[m.programs + "Demo\\Tools\\Demo.lnk"] = 1;
  SetupLogHead head;
  head.files = {kInstall + "\\demo.exe", kInstall + "\\demo.ocx", "C:\\WINDOWS\\system32\\demo.dll"};
  head.extensions = {"dmo"};
  head.fileMenuName = "Open with Demo";
  head.folderMenuName = "Browse";
  m.log = Log(head, {"C:\\Users\\me\\Desktop\\Demo.lnk", m.programs + "Demo\\Tools\\Demo.lnk"});
  UninstallSettings s = Settings();
  s.removeKeys = {"HKEY_LOCAL_MACHINE|\\SOFTWARE\\Demo\\", "hkey_local_machine|SOFTWARE\\Demo"};
  s.removeValues = {"HKEY_CURRENT_USER|Software\\Demo|LastRun", "HKEY_CURRENT_USER|Software\\Demo|"};

  const RemovalResult r = RunRemoval(kInstall + "\\setup.log", s, m);
  EXPECT_EQ(r.outcome, RemovalOutcome::Done);
  EXPECT_TRUE(m.files.empty());
  EXPECT_LT(m.IndexOf("unregister " + kInstall + "\\demo.ocx"), m.IndexOf("delete " + kInstall + "\\demo.ocx"))
      << "a library unregisters before it is deleted";
  EXPECT_TRUE(m.Did("unregister C:\\WINDOWS\\system32\\demo.dll"));
  EXPECT_FALSE(m.Did("unregister " + kInstall + "\\demo.exe"));
  for (const char* k : {"key 0:.dmo", "key 0:dmofile\\DefaultIcon", "key 0:dmofile\\shell\\open\\command", "key 0:dmofile",
                        "key 0:*\\shell\\Open with Demo\\command", "key 0:*\\shell\\Open with Demo",
                        "key 0:folder\\shell\\Browse", "tree 2:SOFTWARE\\Demo", "value 1:Software\\Demo|LastRun",
                        "tree 1:Software\\Acme", "tree 2:SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Acme"})
    EXPECT_TRUE(m.Did(k)) << k;
  EXPECT_EQ(std::count_if(m.journal.begin(), m.journal.end(), [](const std::string& l) { return l.rfind("tree 2:SOFTWARE\\Demo", 0) == 0; }), 1)
      << "the lower-case root deletes nothing";
  EXPECT_FALSE(m.Did("value 1:Software\\Demo|"));
  EXPECT_TRUE(m.Did("rmtree c:\\users\\me\\start menu\\programs\\demo\\tools"));
  EXPECT_TRUE(m.Did("rmtree c:\\users\\me\\start menu\\programs\\demo"));
  EXPECT_TRUE(m.Did("rmtree " + kInstall));
  EXPECT_LT(m.IndexOf("tree 1:Software\\Acme"), m.IndexOf("delete " + kInstall + "\\unwise.exe"));
  EXPECT_LT(m.IndexOf("delete " + kInstall + "\\unwise.exe"), m.IndexOf("tree 2:SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Acme"));
  EXPECT_EQ(m.status1.front(), "Uninstalling Demo...");
  EXPECT_EQ(m.status1.back(), "Demo uninstall complete.");
  EXPECT_EQ(m.status2.back(), "please click [Finish] exit");
  EXPECT_EQ(m.progress.back(), 1000);
}

TEST(RemovalEngine, ProgressAndPacing) {
  FakeMachine m;
  SetupLogHead head;
  for (const char* f : {"\\a", "\\b", "\\c"}) {
    m.files[kInstall + f] = 1024;
    head.files.push_back(kInstall + f);
  }
  head.files.push_back(kInstall + "\\missing");
  m.log = Log(head, {});
  RunRemoval(kInstall + "\\setup.log", Settings(), m);
  EXPECT_EQ(std::vector<int>(m.progress.begin(), m.progress.begin() + 4), (std::vector<int>{333, 666, 1000, 1000}));
  EXPECT_EQ(m.pauses[1], 2000 / 5) << "four listed paths";
  EXPECT_EQ(m.status2[1], "Deleting C:\\Program Files\\Demo\\a");

  FakeMachine big;
  big.files[kInstall + "\\big"] = std::int64_t{3} << 32;
  SetupLogHead one;
  one.files = {kInstall + "\\big"};
  big.log = Log(one, {});
  RunRemoval(kInstall + "\\setup.log", Settings(), big);
  EXPECT_EQ(big.progress.front(), 1000);
  EXPECT_EQ(std::count(big.pauses.begin(), big.pauses.end(), 2000 / 2), 0) << "16 MiB or more: no per-file pause";
}

TEST(RemovalEngine, FilesThatRemainAreListedAndTheFolderStays) {
  FakeMachine m;
  m.files[kInstall + "\\mine.txt"] = 5;
  m.log = Log({}, {});
  UninstallSettings s = Settings();
  s.language = "TRUE";
  const RemovalResult r = RunRemoval(kInstall + "\\setup.log", s, m);
  EXPECT_EQ(r.outcome, RemovalOutcome::FilesRemain);
  EXPECT_EQ(r.remaining, std::vector<std::string>{kInstall + "\\mine.txt"});
  EXPECT_FALSE(m.Did("rmtree " + kInstall));
  EXPECT_EQ(m.status1.back(), "\xd2\xd4\xcf\xc2\xce\xc4\xbc\xfe\xce\xb4\xb1\xbb\xc9\xbe\xb3\xfd...");
  EXPECT_EQ(m.status2.back(), "");
}

TEST(RemovalEngine, AMissingLogRemovesNothing) {
  FakeMachine m;
  m.files[kInstall + "\\demo.exe"] = 1;
  const RemovalResult r = RunRemoval(kInstall + "\\setup.log", Settings(), m);
  EXPECT_EQ(r.outcome, RemovalOutcome::LogNotOpened);
  EXPECT_EQ(m.journal, std::vector<std::string>{"message Open setup.log file failure!"});
}

// Crafted logs and settings that would do damage without the guards.
TEST(RemovalEngine, GuardsAgainstCraftedLogsAndSettings) {
  FakeMachine m;
  SetupLogHead head;
  head.extensions = {"exe", "lnk"};
  head.fileMenuName = "";  // not written by setup, but a crafted log can hold "FILE\"
  std::string bytes = Log(head, {m.programs + "\\Demo.lnk", "C:\\Users\\me\\Start Menu\\Programs\\Demo\\..\\..\\x.lnk"});
  // A right-click line naming the shell key itself.
  bytes.replace(bytes.find("[RIGHTCLICK]\r\r\n") + 15, 0, SetupLogLine("FILE\\"));
  m.log = bytes;
  UninstallSettings s = Settings();
  s.productKey = "";
  s.removeKeys = {"HKEY_LOCAL_MACHINE|SOFTWARE", "HKEY_CURRENT_USER|Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall"};
  s.removeValues = {"HKEY_CURRENT_USER|Stray", ""};
  RunRemoval("C:\\Users\\me\\setup.log", s, m);
  for (const auto& line : m.journal) {
    EXPECT_EQ(line.rfind("tree", 0), std::string::npos) << line;
    EXPECT_EQ(line.rfind("value", 0), std::string::npos) << line;
    EXPECT_EQ(line.find("key 0:.exe"), std::string::npos) << line;
    EXPECT_EQ(line.find("exefile"), std::string::npos) << line;
    EXPECT_EQ(line.find("lnkfile"), std::string::npos) << line;
    EXPECT_NE(line, "key 0:*\\shell");
    EXPECT_EQ(line.rfind("rmtree", 0), std::string::npos) << line;  // neither Programs, the Start Menu nor the profile
  }
  EXPECT_FALSE(m.journal.empty());
}

TEST(RemovalEngine, ALogWithoutAFolderPartTouchesNoFolder) {
  FakeMachine m;
  m.log = Log({}, {});
  const RemovalResult r = RunRemoval("setup.log", Settings(), m);
  EXPECT_EQ(r.outcome, RemovalOutcome::Done);
  for (const auto& line : m.journal) {
    EXPECT_NE(line, "delete \\unwise.exe");
    EXPECT_EQ(line.rfind("rmtree", 0), std::string::npos) << line;
  }
}

}  // namespace
}  // namespace sk
