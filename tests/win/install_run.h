// A package of the test's own, installed by the install probe under the GUI driver: entries
// are added with their bytes, the probe installs them all and reports what it did.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "package/setup_config.h"
#include "support/temp_dir.h"
#include "support/test_package.h"
#include "win/driver/program.h"

namespace sk::test {

struct ProbeReport {
  std::vector<int> installed;  // per entry, 1 when InstallFile gave true
  int diskRequests = 0;
  int progressReports = 0;
};

// A one-member zip archive of content (deflated), as compressed entries are stored.
std::string ZipArchive(const std::string& content);

class InstallRun {
 public:
  InstallRun();

  // Appends data to the package and adds an entry for it, installed into the install folder.
  FileEntry& Add(const std::string& name, const std::string& data, bool compressed = false);
  // Writes the package as setup.exe and starts the probe on it; TEMP and TMP are a folder of
  // the run's own, SK_REGISTER_LOG is registerLog().
  void Start();
  // Waits for the probe and reads its report; nothing when it did not end or report in time.
  std::optional<ProbeReport> Finish();
  // Start and Finish.
  std::optional<ProbeReport> Run();

  SetupConfig config;
  const std::string& folder() const { return dir_.path(); }  // where setup.exe lies
  std::string setupPath() const { return dir_.File("setup.exe"); }
  std::string installFolder() const { return dir_.File("app\\"); }
  std::string Installed(const std::string& name) const { return installFolder() + name; }
  std::string registerLog() const { return dir_.File("register.log"); }
  const std::string& temp() const { return temp_.path(); }
  gui::Program& program() { return *program_; }

 private:
  TempDir dir_;
  TempDir temp_;
  PackageBuilder builder_{"MZ install probe stub"};
  std::unique_ptr<gui::Program> program_;
};

// The probe's shown dialog that has a control with that id (the insert-disk dialog's folder
// field, a message box's text), or nullptr when none shows in time.
HWND WaitForProbeDialog(InstallRun& run, int controlId);

}  // namespace sk::test
