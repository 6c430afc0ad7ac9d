// setup.exe under the GUI driver: a package of the test's own configuration written beside a
// copy of setup, started with a temporary folder of the test's own.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "package/setup_config.h"
#include "support/temp_dir.h"
#include "win/driver/program.h"

namespace sk::test {

// A real JPEG (setup's built-in side picture), for packages that need a picture that loads.
std::string SomeJpeg();

class SetupUnderTest {
 public:
  // Writes setup.exe with the package of config, with the splash picture and the music as
  // blocks of the package when they are given.
  explicit SetupUnderTest(const SetupConfig& config, const std::string& splashPicture = "",
                          const std::string& music = "");
  // Starts it; extra environment variables on top of TEMP and TMP.
  void Start(std::vector<std::pair<std::string, std::string>> environment = {});

  gui::Program& program() { return *program_; }
  // setup's first window with that title, or nullptr when none shows in time.
  HWND WaitForTitle(const std::string& title);
  const std::string& temp() const { return temp_.path(); }
  // setup's private folder of this run inside temp(), or "" when there is none.
  std::string PrivateFolder() const;

 private:
  TempDir folder_;
  TempDir temp_;
  std::string setup_;
  std::unique_ptr<gui::Program> program_;
};

// setup.exe as built, without a package, with a temporary folder of its own. Its failed-start
// box shows even where the runner's environment asks for no message boxes.
class SetupWithoutPackage {
 public:
  SetupWithoutPackage();
  gui::Program& program() { return program_; }
  // Its first window (the failed-start box), or nullptr when none shows in time.
  HWND WaitForBox();

 private:
  TempDir temp_;
  gui::Program program_;
};

bool FileExists(const std::string& path);

}  // namespace sk::test
