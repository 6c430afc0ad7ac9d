// The background music: setup takes it out of its package as mirl.<extension>, plays it in a
// loop through the media control interface and, when setup ends, closes the device and
// deletes the file. A recording MCI driver stands in for the sound devices Wine lacks and
// writes down every command setup sends.
#include <windows.h>

#include <gtest/gtest.h>

#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "setup_ui/exit_codes.h"
#include "support/temp_dir.h"
#include "win/child_process.h"
#include "win/driver/input.h"
#include "win/driver/wait.h"
#include "win/setup_gui.h"

namespace sk::test {
namespace {

// Windows looks drivers up in MCI32, Wine in MCI.
constexpr const char* kDriverKeys[] = {"Software\\Microsoft\\Windows NT\\CurrentVersion\\MCI32",
                                       "Software\\Microsoft\\Windows NT\\CurrentVersion\\MCI"};
constexpr char kExtensionsKey[] = "Software\\Microsoft\\Windows NT\\CurrentVersion\\MCI Extensions";
constexpr char kDevice[] = "SkRecorder";
constexpr char kMusic[] = "MThd not really a piece of music";

std::optional<std::string> ReadValue(HKEY key, const char* name) {
  char value[MAX_PATH] = {};
  DWORD size = sizeof value - 1;
  if (RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size) != ERROR_SUCCESS)
    return std::nullopt;
  return std::string(value);
}

void WriteValue(HKEY key, const char* name, const std::string& value) {
  RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>(value.size() + 1));
}

// The recorder as the device of the music's extensions for as long as the test runs; the
// prefix's own devices come back afterwards.
class RecorderRegistration {
 public:
  RecorderRegistration() {
    for (std::size_t i = 0; i < std::size(kDriverKeys); ++i) {
      RegCreateKeyExA(HKEY_LOCAL_MACHINE, kDriverKeys[i], 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &drivers_[i],
                      nullptr);
      WriteValue(drivers_[i], kDevice, HostPath(SK_MCI_RECORDER_DLL));
    }
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, kExtensionsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &extensions_,
                    nullptr);
    for (const char* extension : kExtensions) {
      previous_.push_back(ReadValue(extensions_, extension));
      WriteValue(extensions_, extension, kDevice);
    }
  }
  ~RecorderRegistration() {
    for (std::size_t i = 0; i < previous_.size(); ++i) {
      if (previous_[i])
        WriteValue(extensions_, kExtensions[i], *previous_[i]);
      else
        RegDeleteValueA(extensions_, kExtensions[i]);
    }
    RegCloseKey(extensions_);
    for (HKEY drivers : drivers_) {
      RegDeleteValueA(drivers, kDevice);
      RegCloseKey(drivers);
    }
  }
  RecorderRegistration(const RecorderRegistration&) = delete;
  RecorderRegistration& operator=(const RecorderRegistration&) = delete;

 private:
  // Extension names compare without letter case, so "mid" serves mirl.MID too.
  static constexpr const char* kExtensions[] = {"mid", "wav"};
  HKEY drivers_[std::size(kDriverKeys)] = {};
  HKEY extensions_ = nullptr;
  std::vector<std::optional<std::string>> previous_;
};

std::vector<std::string> Lines(const std::string& path) {
  std::vector<std::string> lines;
  std::istringstream text(ReadAll(path));
  for (std::string line; std::getline(text, line);) lines.push_back(line);
  return lines;
}

// After a status query that found the piece ended, the player rewinds and plays again.
bool HasReplayed(const std::vector<std::string>& log) {
  for (std::size_t i = 0; i + 2 < log.size(); ++i)
    if (log[i].ends_with("-> stopped") && log[i + 2].starts_with("play")) return true;
  return false;
}

SetupConfig MusicConfig(const std::string& extension) {
  SetupConfig config;
  config.productName = "Demo";
  config.backgroundEnabled = true;
  config.backgroundTitle = "Demo setup";
  config.musicExtension = extension;
  return config;
}

struct MusicCase {
  const char* extension;
  bool midiPrepared;
};

class MusicTest : public ::testing::TestWithParam<MusicCase> {};

TEST_P(MusicTest, PlaysInALoopAndClosesAndDeletesAtTheEnd) {
  const MusicCase& c = GetParam();
  const RecorderRegistration recorder;
  const TempDir logs;
  const std::string log = logs.File("mci.log");
  SetupUnderTest setup(MusicConfig(c.extension), "", kMusic);
  // The background window keeps setup running while the test listens.
  setup.Start({{"SETUPKIT_HOLD_AT_WIZARD", "1"}, {"SK_MCI_RECORDER_LOG", log}});
  HWND window = setup.WaitForTitle("Demo setup");
  ASSERT_NE(window, nullptr);
  const std::string folder = setup.PrivateFolder();
  ASSERT_NE(folder, "");
  const std::string music = folder + "mirl." + c.extension;
  EXPECT_TRUE(gui::WaitUntil([&] { return FileExists(music) && ReadAll(music) == kMusic; }));
  EXPECT_TRUE(gui::WaitUntil([&] { return HasReplayed(Lines(log)); }, 15000)) << "an ended piece starts again";

  ASSERT_TRUE(gui::UseCloseBox(window));
  EXPECT_EQ(setup.program().WaitForExit(), static_cast<DWORD>(kSetupExitOk));
  EXPECT_FALSE(FileExists(music));
  EXPECT_FALSE(FileExists(folder)) << "the folder goes once the music has let go of its file";

  const std::vector<std::string> lines = Lines(log);
  std::vector<std::string> opening = {"open flags=00000202 element=" + music + " type=none"};
  if (c.midiPrepared) {
    opening.push_back("set flags=00000400 format=0");  // MCI_SET_TIME_FORMAT, milliseconds
    opening.push_back("seek flags=00000100");           // to the start, without waiting
  }
  opening.push_back("play flags=00000000 from=0 to=0");
  ASSERT_GE(lines.size(), opening.size() + 1);
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + opening.size()), opening);
  // Then only checks of the mode, each ended piece rewound (waiting) and played again, and
  // finally the close, waiting for it.
  int replays = 0;
  for (std::size_t i = opening.size(); i + 1 < lines.size(); ++i) {
    ASSERT_TRUE(lines[i].starts_with("status flags=00000100 item=4 -> ")) << i << ": " << lines[i];  // the mode
    if (lines[i].ends_with("-> stopped")) {
      ASSERT_LT(i + 2, lines.size());
      EXPECT_EQ(lines[i + 1], "seek flags=00000102") << i;
      EXPECT_EQ(lines[i + 2], "play flags=00000000 from=0 to=0") << i;
      i += 2;
      ++replays;
    }
  }
  EXPECT_GE(replays, 1);
  EXPECT_EQ(lines.back(), "close flags=00000002");
}

std::string CaseName(const ::testing::TestParamInfo<MusicCase>& info) {
  return std::string(info.param.extension) + (info.param.midiPrepared ? "_prepared" : "_plain");
}

INSTANTIATE_TEST_SUITE_P(Extensions, MusicTest,
                         ::testing::Values(MusicCase{"mid", true}, MusicCase{"MID", true}, MusicCase{"wav", false}),
                         CaseName);

TEST(Music, WithoutAnExtensionNothingIsWrittenOrOpened) {
  const RecorderRegistration recorder;
  const TempDir logs;
  const std::string log = logs.File("mci.log");
  SetupUnderTest setup(MusicConfig(""), "", kMusic);
  setup.Start({{"SETUPKIT_HOLD_AT_WIZARD", "1"}, {"SK_MCI_RECORDER_LOG", log}});
  HWND window = setup.WaitForTitle("Demo setup");
  ASSERT_NE(window, nullptr);
  const std::string folder = setup.PrivateFolder();
  ASSERT_NE(folder, "");
  std::vector<std::string> music;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  do {
    if (std::string(found.cFileName).starts_with("mirl.")) music.push_back(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  EXPECT_EQ(music, std::vector<std::string>{}) << "no music file";
  ASSERT_TRUE(gui::UseCloseBox(window));
  EXPECT_EQ(setup.program().WaitForExit(), static_cast<DWORD>(kSetupExitOk));
  EXPECT_FALSE(FileExists(log)) << "no device was opened";
}

}  // namespace
}  // namespace sk::test
