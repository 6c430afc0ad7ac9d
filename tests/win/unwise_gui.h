// unwise.exe under the GUI driver: an install folder of the test's own with the uninstaller,
// its settings and a crafted setup.log, started with a temporary folder of the test's own.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "package/setup_config.h"
#include "package/setup_log.h"
#include "support/temp_dir.h"
#include "win/driver/program.h"

namespace sk::test {

// A package's settings for the uninstaller: product "Demo", English or Chinese labels.
SetupConfig UninstallConfig(bool english);

class UnwiseUnderTest {
 public:
  // The uninstaller and an empty setup.log in a fresh install folder.
  explicit UnwiseUnderTest(const SetupConfig& config);
  // Replaces setup.log.
  void WriteLog(const SetupLogHead& head, const std::vector<std::string>& shortcuts = {}) const;

  const std::string& install() const { return install_.path(); }
  const std::string& temp() const { return temp_.path(); }
  std::string LogPath() const { return install_.File("setup.log"); }

  // Starts unwise.exe from the install folder with arguments; extra variables on top of TEMP
  // and TMP.
  void Start(const std::string& arguments = "",
             std::vector<std::pair<std::string, std::string>> environment = {});
  // Starts program (a copy the test made) with arguments.
  void StartProgram(const std::string& program, const std::string& arguments,
                    std::vector<std::pair<std::string, std::string>> environment = {});
  gui::Program& program() { return *program_; }
  // The uninstaller window (title: the product name), or nullptr when none shows in time.
  HWND WaitForWindow() const;
  // The relocated copy in unwise's private folder inside temp(), or "" when there is none.
  std::string RelocatedCopy() const;
  // Presses the first button and waits until the run has ended (the button is usable again).
  bool RunRemoval(HWND window) const;

 private:
  SetupConfig config_;
  TempDir install_;
  TempDir temp_;
  std::unique_ptr<gui::Program> program_;
};

// The uninstaller window of that product, whichever process shows it, or nullptr.
HWND WaitForUnwiseWindow(const std::string& productName);
// Presses the window's first button and waits until the run has ended.
bool RunRemovalIn(HWND window);

bool RegKeyExists(HKEY root, const std::string& path);
void CreateRegKey(HKEY root, const std::string& path);

}  // namespace sk::test
