// The wizard on packages the authoring tool builds from manifests: compressed entries and
// volumes on further disks installed with their times and attributes, two file types, Cancel
// on the copying page while the worker waits for a moved volume, the insert-disk dialog
// confirmed with another folder, Cancel refused while setup.bat runs, a copying heading longer
// than its page takes, and Ignore at the free-space question.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "manifest.h"
#include "package/volume.h"
#include "package_writer.h"
#include "progress.h"
#include "resource_ids.h"
#include "support/temp_dir.h"
#include "user_error.h"
#include "win/child_process.h"
#include "win/driver/input.h"
#include "win/driver/program.h"
#include "win/driver/windows.h"
#include "win/file_times.h"
#include "win/setup_gui.h"
#include "win/wizard_gui.h"

namespace sk::test {
namespace {

namespace fs = std::filesystem;
using gui::Control;
using gui::ControlText;

// How long something that must not happen is watched for.
constexpr DWORD kStaysOpenMs = 700;
constexpr const char* kVolumeName = "CASES.D1";
constexpr const char* kCopyingQuestion = "Stop copying?";

// Text of numbered lines: many chunks of copying, and every byte in its place checked.
std::string NumberedLines(const std::string& stem, int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += stem + " line " + std::to_string(i) + "\r\n";
  return text;
}

// The manifest's head: an English package of its own product key with a per-file delay of 0.
std::string ManifestHead(const std::string& product) {
  return "product = \"" + product + "\"\nversion = \"3.0\"\n"
         "[copying]\nfile_delay_ms = 0\ncancel_question = \"" + kCopyingQuestion + "\"\n"
         "[questions]\ncancel = \"Leave?\"\ncancel_no = \"Stay\"\ncancel_yes = \"Leave\"\n"
         "[uninstall]\ndisplay_name = \"" + product + " display\"\n";
}

// setup.exe (and its volume files) built by the authoring tool's library from a manifest and
// source files written into a folder of the test's own.
class ToolPackage {
 public:
  ToolPackage(const std::string& manifest, const std::vector<std::pair<std::string, std::string>>& sources) {
    for (const auto& [name, bytes] : sources) {
      const fs::path path = fs::path(folder_.File(name));
      fs::create_directories(path.parent_path());
      WriteAll(path.string(), bytes);
    }
    WriteAll(folder_.File("setup.toml"), manifest);
    try {
      tool::Manifest loaded = tool::LoadManifest(folder_.File("setup.toml"));
      tool::ProgressBar quiet(false);
      tool::BuildPackage(loaded, {HostPath(SK_SETUP_EXE), setupPath()}, quiet);
      built_ = true;
    } catch (const tool::UserError& error) {
      ADD_FAILURE() << error.what();
    }
  }

  bool built() const { return built_; }
  const std::string& folder() const { return folder_.path(); }
  std::string setupPath() const { return folder_.File("setup.exe"); }

 private:
  TempDir folder_;
  bool built_ = false;
};

// One run of setup.exe with a temporary folder of its own and the install folder it is given.
class WizardRun {
 public:
  explicit WizardRun(const ToolPackage& package)
      : installFolder_(target_.File("Product Dir")),
        program_(package.setupPath(), gui::LaunchOptions{"", {{"TEMP", temp_.path()}, {"TMP", temp_.path()}}}) {}

  gui::Program& program() { return program_; }
  const std::string& installFolder() const { return installFolder_; }
  std::string Installed(const std::string& name) const { return installFolder_ + "\\" + name; }

  // The wizard with that title on its copying page, or nullptr.
  HWND StartCopying(const std::string& title) {
    HWND sheet = WaitForWizard(program_, title);
    if (!sheet) return nullptr;
    const std::string failed = GoToCopyingPage(sheet, installFolder_);
    EXPECT_EQ(failed, "") << "the step that failed";
    if (!failed.empty()) return nullptr;
    return sheet;
  }

  // Finish on the finish page, and setup's end; false when either does not come.
  bool Finish(HWND sheet) {
    if (!WaitForButton(sheet, kWizardFinish) || !gui::Click(Control(sheet, kWizardFinish))) return false;
    const auto code = program_.WaitForExit();
    return code && *code == 0;
  }

 private:
  TempDir target_, temp_;
  std::string installFolder_;
  gui::Program program_;
};

DWORD Attributes(const std::string& path) { return GetFileAttributesA(path.c_str()); }

// Read-only files would keep the test's folders from going.
void MakeWritable(const std::string& folder) {
  std::error_code ec;
  for (const auto& item : fs::recursive_directory_iterator(folder, ec))
    SetFileAttributesA(item.path().string().c_str(), FILE_ATTRIBUTE_NORMAL);
}

// Removes what a test's installation registered, also when the test stops early.
struct RegistrationCleanup {
  std::string product;
  std::vector<std::string> extensions;
  ~RegistrationCleanup() {
    RegDeleteTreeA(HKEY_CURRENT_USER, ("Software\\" + product).c_str());
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, ("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + product).c_str());
    for (const std::string& extension : extensions) {
      RegDeleteTreeA(HKEY_CLASSES_ROOT, ("." + extension).c_str());
      RegDeleteTreeA(HKEY_CLASSES_ROOT, (extension + "file").c_str());
    }
  }
};

bool KeyExists(HKEY root, const std::string& key) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
  RegCloseKey(opened);
  return true;
}

std::wstring Wide(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

// The byte count of a key's default value under HKEY_CLASSES_ROOT.
DWORD StoredTextBytes(const std::string& key) { return StoredBytes(HKEY_CLASSES_ROOT, Wide(key).c_str(), L""); }

// Every key and value one file type leaves, with the byte counts of its texts (no zero).
void ExpectFileType(const std::string& extension, const std::string& program, int icon) {
  SCOPED_TRACE(extension);
  const std::string type = extension + "file";
  const std::string dot = "." + extension;
  const std::string iconText = program + "," + std::to_string(icon);
  const std::string command = "\"" + program + "\" \"%1\"";
  EXPECT_EQ(RegText(HKEY_CLASSES_ROOT, dot, ""), type);
  EXPECT_EQ(StoredTextBytes(dot), type.size() * sizeof(wchar_t));
  EXPECT_EQ(RegText(HKEY_CLASSES_ROOT, type + "\\DefaultIcon", ""), iconText);
  EXPECT_EQ(StoredTextBytes(type + "\\DefaultIcon"), iconText.size() * sizeof(wchar_t));
  EXPECT_EQ(RegText(HKEY_CLASSES_ROOT, type + "\\shell\\open\\command", ""), command);
  EXPECT_EQ(StoredTextBytes(type + "\\shell\\open\\command"), command.size() * sizeof(wchar_t));
  for (const std::string& bare : {type, type + "\\shell", type + "\\shell\\open"}) {
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, bare)) << bare;
    EXPECT_FALSE(RegText(HKEY_CLASSES_ROOT, bare, "")) << bare << " has a value";
  }
}

// A package whose three files lie either all in setup.exe, compressed, or spread over the
// setup file and two further disks whose volumes lie beside it.
struct LayoutCase {
  const char* name;
  const char* compress;  // the top-level default
  int readmeDisk;
  int dataDisk;
};

class PackageLayouts : public testing::TestWithParam<LayoutCase> {};

TEST_P(PackageLayouts, InstallEveryFileWithItsTimesAndAttributesAndBothFileTypes) {
  const LayoutCase& layout = GetParam();
  const std::string product = Unique("SkLayout");
  const RegistrationCleanup cleanup{product, {"sk1", "sk2"}};
  // Top-level keys come before the first table.
  std::string manifest = "compress = " + std::string(layout.compress) + "\n" + ManifestHead(product);
  manifest +=
      "[[disk]]\nnumber = 1\nvolume = \"CASES.D1\"\n"
      "[[disk]]\nnumber = 2\nvolume = \"CASES.D2\"\n"
      "[[file_type]]\nextension = \"sk1\"\nprogram = \"app.exe\"\nicon_index = 0\n"
      "[[file_type]]\nextension = \"sk2\"\nprogram = \"docs/readme.txt\"\nicon_index = 5\n"
      "[[file]]\nsource = \"app.exe\"\ndate = 2004-11-25T10:30:00\nattributes = [\"readonly\", \"archive\"]\n"
      "[[file]]\nsource = \"readme.txt\"\nsub_folder = \"docs\"\ncompress = true\ndate = 2005-01-02T03:04:05\n"
      "attributes = [\"hidden\"]\ndisk = " + std::to_string(layout.readmeDisk) + "\n"
      "[[file]]\nsource = \"data.bin\"\ndisk = " + std::to_string(layout.dataDisk) + "\n";
  const std::vector<std::pair<std::string, std::string>> sources = {
      {"app.exe", "MZ" + NumberedLines("program", 3000)},
      {"readme.txt", std::string(3000, 'r') + "end"},
      {"data.bin", NumberedLines("data", 5000)}};
  ToolPackage package(manifest, sources);
  ASSERT_TRUE(package.built());
  // Where the bytes went: deflated into setup, or the plain data.bin on disk 2.
  const std::size_t stub = ReadAll(HostPath(SK_SETUP_EXE)).size();
  std::size_t plain = 0;
  for (const auto& source : sources) plain += source.second.size();
  if (layout.dataDisk == 0) EXPECT_LT(ReadAll(package.setupPath()).size(), stub + plain / 2);
  if (layout.readmeDisk || layout.dataDisk) {
    ASSERT_TRUE(FileExists(package.folder() + "CASES.D1"));
    EXPECT_EQ(ReadAll(package.folder() + "CASES.D2").size(), VolumeSignature.size() + sources[2].second.size());
  }
  WizardRun run(package);
  HWND sheet = run.StartCopying(product);
  ASSERT_NE(sheet, nullptr);
  // Every volume lies beside setup, so nothing is asked on the way to the finish page.
  ASSERT_TRUE(run.Finish(sheet));

  EXPECT_EQ(ReadAll(run.Installed("app.exe")), sources[0].second);
  EXPECT_EQ(ReadAll(run.Installed("docs\\readme.txt")), sources[1].second);
  EXPECT_EQ(ReadAll(run.Installed("data.bin")), sources[2].second);
  EXPECT_EQ(Attributes(run.Installed("app.exe")), static_cast<DWORD>(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE));
  // Wine marks every file for archiving, whatever was set.
  constexpr DWORD kNotArchive = ~static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE);
  EXPECT_EQ(Attributes(run.Installed("docs\\readme.txt")) & kNotArchive, static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));
  constexpr DWORD kMarks = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  EXPECT_EQ(Attributes(run.Installed("data.bin")) & kMarks, 0u) << "no date: the copy's attributes";
  const bool keepsCreation = KeepsCreationTimes(run.installFolder() + "\\");
  const Times app = TimesOf(run.Installed("app.exe"));
  const Times readme = TimesOf(run.Installed("docs\\readme.txt"));
  EXPECT_TRUE(app.written == LocalToFileTime(2004, 11, 25, 10, 30, 0));
  EXPECT_TRUE(readme.written == LocalToFileTime(2005, 1, 2, 3, 4, 5));
  if (keepsCreation) {
    EXPECT_TRUE(app.created == LocalToFileTime(2004, 11, 25, 10, 30, 0));
    EXPECT_TRUE(readme.created == LocalToFileTime(2005, 1, 2, 3, 4, 5));
  }
  ExpectFileType("sk1", run.Installed("app.exe"), 0);
  ExpectFileType("sk2", run.Installed("docs\\readme.txt"), 5);
  EXPECT_TRUE(FileExists(run.Installed("unwise.exe")));
  MakeWritable(run.installFolder());
}

INSTANTIATE_TEST_SUITE_P(Wizard, PackageLayouts,
                         testing::Values(LayoutCase{"Compressed", "true", 0, 0},
                                         LayoutCase{"FurtherDisks", "false", 1, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

// Five files, the middle two on disk 1, whose volume has been moved away from setup: the worker
// installs the first two and then waits at the insert-disk dialog.
struct MovedVolume {
  std::string product = Unique("SkMoved");
  std::vector<std::string> names = {"first.txt", "second.txt", "disk-a.txt", "disk-b.txt", "last.txt"};
  std::unique_ptr<ToolPackage> package;
  std::string moved;

  MovedVolume() {
    std::string manifest = "compress = false\n" + ManifestHead(product) +
                           "[[disk]]\nnumber = 1\nvolume = \"" + kVolumeName + "\"\nprompt = \"Disk one, please\"\n";
    std::vector<std::pair<std::string, std::string>> sources;
    for (std::size_t i = 0; i < names.size(); ++i) {
      const bool onDisk = i == 2 || i == 3;
      manifest += "[[file]]\nsource = \"" + names[i] + "\"\ndisk = " + (onDisk ? "1" : "0") + "\n";
      sources.emplace_back(names[i], "bytes of " + names[i]);
    }
    package = std::make_unique<ToolPackage>(manifest, sources);
    moved = package->folder() + "moved disk\\";
    fs::create_directories(moved);
    if (package->built()) fs::rename(package->folder() + kVolumeName, moved + kVolumeName);
  }
  RegistrationCleanup cleanup{product, {}};
};

void TypeFolder(HWND dialog, const std::string& folder) {
  LRESULT ignored = 0;
  gui::Ask(Control(dialog, IDC_DISK_FOLDER), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(folder.c_str()), ignored);
}

// Cancel on the wizard while the prompt is open, and the copying page's question.
HWND AskToCancel(WizardRun& run, HWND sheet) {
  if (!gui::Click(Control(sheet, kWizardCancel))) return nullptr;
  HWND box = WaitForMessageBox(run.program(), kCopyingQuestion);
  if (!box) return nullptr;
  EXPECT_EQ(ControlText(box, IDC_MESSAGE_BUTTON1), "Stay");
  EXPECT_EQ(ControlText(box, IDC_MESSAGE_BUTTON2), "Leave");
  return box;
}

enum class AtThePrompt { kConfirmElsewhere, kCancelThenStay, kCancelThenLeave, kGiveUp };

struct PromptCase {
  const char* name;
  AtThePrompt action;
  bool completes;
};

class MovedVolumes : public testing::TestWithParam<PromptCase> {};

TEST_P(MovedVolumes, PromptThenGoOnOrLeaveWithTheFilesSoFar) {
  MovedVolume volume;
  ASSERT_TRUE(volume.package->built());
  WizardRun run(*volume.package);
  HWND sheet = run.StartCopying(volume.product);
  ASSERT_NE(sheet, nullptr);
  HWND prompt = WaitForInsertDisk(run.program());
  ASSERT_NE(prompt, nullptr);
  EXPECT_EQ(gui::WindowText(prompt), volume.product);
  EXPECT_EQ(ControlText(prompt, IDC_DISK_PROMPT), "Disk one, please");
  EXPECT_EQ(ControlText(prompt, IDC_DISK_FOLDER), volume.package->folder());
  // The worker waits: the entries before the disk's are in, the disk's are not.
  EXPECT_TRUE(FileExists(run.Installed("second.txt")));
  EXPECT_FALSE(FileExists(run.Installed("disk-a.txt")));

  switch (GetParam().action) {
    case AtThePrompt::kConfirmElsewhere:
      break;
    case AtThePrompt::kCancelThenStay: {
      HWND box = AskToCancel(run, sheet);
      ASSERT_NE(box, nullptr);
      ASSERT_TRUE(gui::Click(Control(box, IDC_MESSAGE_BUTTON1)));
      ASSERT_TRUE(gui::WaitForWindowGone(box));
      EXPECT_FALSE(gui::WaitForWindowGone(sheet, kStaysOpenMs));
      EXPECT_TRUE(gui::IsShown(prompt));
      break;
    }
    case AtThePrompt::kCancelThenLeave: {
      HWND box = AskToCancel(run, sheet);
      ASSERT_NE(box, nullptr);
      ASSERT_TRUE(gui::Click(Control(box, IDC_MESSAGE_BUTTON2)));
      break;
    }
    case AtThePrompt::kGiveUp: {
      ASSERT_TRUE(gui::UseCloseBox(prompt));
      HWND box = WaitForMessageBox(run.program(), "Do you sure to abort setup?");
      ASSERT_NE(box, nullptr);
      ASSERT_TRUE(gui::Click(Control(box, IDC_MESSAGE_BUTTON1)));
      break;
    }
  }

  if (GetParam().completes) {
    // The moved volume's folder, typed without its backslash; later entries of that disk are
    // read from there without asking again, so the finish page comes unattended.
    TypeFolder(prompt, volume.moved.substr(0, volume.moved.size() - 1));
    ASSERT_TRUE(gui::Click(Control(prompt, IDOK)));
    ASSERT_TRUE(run.Finish(sheet));
    for (const std::string& name : volume.names) EXPECT_EQ(ReadAll(run.Installed(name)), "bytes of " + name) << name;
    EXPECT_TRUE(FileExists(run.Installed("unwise.exe")));
    return;
  }
  // Leaving ends setup without the finish page, and nothing installed is taken back. Under Wine
  // the wizard takes some seconds to close after a Cancel, and a process whose thread is held
  // suspended ends some seconds after its last window.
  const auto code = run.program().WaitForExit(gui::DefaultWaitMs() * 6);
  ASSERT_TRUE(code);
  EXPECT_EQ(*code, 0u);
  EXPECT_EQ(ReadAll(run.Installed("first.txt")), "bytes of first.txt");
  EXPECT_EQ(ReadAll(run.Installed("second.txt")), "bytes of second.txt");
  for (const char* name : {"disk-a.txt", "disk-b.txt", "last.txt", "unwise.exe"})
    EXPECT_FALSE(FileExists(run.Installed(name))) << name;
  EXPECT_FALSE(RegText(HKEY_CURRENT_USER, "Software\\" + volume.product, "InstallPath"));
}

INSTANTIATE_TEST_SUITE_P(
    Wizard, MovedVolumes,
    testing::Values(PromptCase{"ConfirmedWithAnotherFolder", AtThePrompt::kConfirmElsewhere, true},
                    PromptCase{"CancelAnsweredFirstGoesOn", AtThePrompt::kCancelThenStay, true},
                    PromptCase{"CancelAnsweredSecondLeaves", AtThePrompt::kCancelThenLeave, false},
                    PromptCase{"PromptGivenUpLeaves", AtThePrompt::kGiveUp, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WizardCases, CancelDoesNothingWhileSetupBatRuns) {
  const std::string product = Unique("SkBatch");
  const RegistrationCleanup cleanup{product, {}};
  TempDir markers;
  const std::string started = markers.File("started"), release = markers.File("release");
  const std::string batch = "@\"" + HostPath(SK_MARKER_WAIT_EXE) + "\" \"" + started + "\" \"" + release + "\"\r\n";
  ToolPackage package(ManifestHead(product) + "[[file]]\nsource = \"app.txt\"\n[[file]]\nsource = \"setup.bat\"\n",
                      {{"app.txt", "the program"}, {"setup.bat", batch}});
  ASSERT_TRUE(package.built());
  WizardRun run(package);
  HWND sheet = run.StartCopying(product);
  ASSERT_NE(sheet, nullptr);
  ASSERT_TRUE(gui::WaitUntil([&] { return FileExists(started); }, gui::DefaultWaitMs() * 4));
  ASSERT_TRUE(gui::Click(Control(sheet, kWizardCancel)));
  EXPECT_EQ(WaitForMessageBox(run.program(), "", kStaysOpenMs), nullptr) << "a question while setup.bat runs";
  EXPECT_TRUE(IsWindow(sheet));
  WriteAll(release, "");
  ASSERT_TRUE(run.Finish(sheet));
  EXPECT_EQ(ReadAll(run.Installed("app.txt")), "the program");
}

// The heading is the package's text, not the user's: however long, it cannot hold the wizard
// on the copying page once the files are in.
TEST(WizardCases, ALongCopyingHeadingLetsTheWizardGoOnToTheFinishPage) {
  const std::string product = Unique("SkHeading");
  const RegistrationCleanup cleanup{product, {}};
  const std::string heading(60, 'h');
  std::string manifest = ManifestHead(product);
  manifest.replace(manifest.find("[copying]\n"), 10, "[copying]\nheading = \"" + heading + "\"\n");
  ToolPackage package(manifest + "[[file]]\nsource = \"app.txt\"\n", {{"app.txt", "the program"}});
  ASSERT_TRUE(package.built());
  WizardRun run(package);
  HWND sheet = run.StartCopying(product);
  ASSERT_NE(sheet, nullptr);
  HWND shown = WaitForPageControl(sheet, IDC_COPYING_HEADING);
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(gui::WindowText(shown), heading);
  ASSERT_TRUE(run.Finish(sheet));
  EXPECT_EQ(ReadAll(run.Installed("app.txt")), "the program");
}

TEST(WizardCases, IgnoreAtTheFreeSpaceQuestionGoesOnToTheWizard) {
  const std::string product = Unique("SkSpace");
  const std::string manifest = "required_space_mb = 9e8\n" + ManifestHead(product) +
                               "[folder]\nskip_page = true\nbase = \"documents\"\n"
                               "[[file]]\nsource = \"app.txt\"\n";
  ToolPackage package(manifest, {{"app.txt", "x"}});
  ASSERT_TRUE(package.built());
  WizardRun run(package);
  HWND box = WaitForMessageBox(run.program(), "The setup need space 900000000.0 MB,but left only ");
  ASSERT_NE(box, nullptr);
  ASSERT_TRUE(gui::Click(Control(box, IDC_MESSAGE_BUTTON3)));
  HWND sheet = WaitForWizard(run.program(), product);
  ASSERT_NE(sheet, nullptr);
  char documents[MAX_PATH] = {};
  ASSERT_TRUE(SHGetSpecialFolderPathA(nullptr, documents, CSIDL_PERSONAL, FALSE));
  const std::string folder = std::string(documents) + "\\" + product;
  EXPECT_TRUE(FileExists(folder)) << "the install folder is made once the question is passed";
  ASSERT_TRUE(WaitForButton(sheet, kWizardCancel));
  ASSERT_TRUE(gui::Click(Control(sheet, kWizardCancel)));
  HWND leave = WaitForMessageBox(run.program(), "Leave?");
  ASSERT_NE(leave, nullptr);
  ASSERT_TRUE(gui::Click(Control(leave, IDC_MESSAGE_BUTTON2)));
  // Under Wine the wizard takes some seconds to close after a Cancel.
  const auto code = run.program().WaitForExit(gui::DefaultWaitMs() * 4);
  ASSERT_TRUE(code);
  EXPECT_EQ(*code, 0u);
  RemoveDirectoryA(folder.c_str());
}

}  // namespace
}  // namespace sk::test
