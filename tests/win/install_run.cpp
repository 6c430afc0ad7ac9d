#include "win/install_run.h"

#include <minizip/zip.h>

#include <gtest/gtest.h>

#include <fstream>

#include "win/child_process.h"
#include "win/driver/wait.h"
#include "win/driver/windows.h"

namespace sk::test {

std::string ZipArchive(const std::string& content) {
  TempDir scratch;
  const std::string path = scratch.File("member.zip");
  zipFile zip = zipOpen64(path.c_str(), APPEND_STATUS_CREATE);
  zip_fileinfo info{};
  zipOpenNewFileInZip64(zip, "member", &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED, 9, 0);
  zipWriteInFileInZip(zip, content.data(), static_cast<unsigned>(content.size()));
  zipCloseFileInZip(zip);
  zipClose(zip, nullptr);
  return ReadAll(path);
}

InstallRun::InstallRun() {
  config.productName = "Install Probe";
  config.uiTexts[11] = "Keep";
  config.uiTexts[12] = "Replace";
}

FileEntry& InstallRun::Add(const std::string& name, const std::string& data, bool compressed) {
  const BlockRef block = builder_.AddBlock(data);
  FileEntry entry;
  entry.name = name;
  entry.offset = block.offset;
  entry.size = block.length;
  entry.compressed = compressed;
  config.files.push_back(entry);
  return config.files.back();
}

void InstallRun::Start() {
  WriteAll(setupPath(), builder_.Finish(config));
  gui::LaunchOptions options;
  // The folder's trailing backslash is doubled so that it does not escape the closing quote.
  options.arguments =
      "\"" + setupPath() + "\" \"" + installFolder() + "\\\" \"" + dir_.File("report.txt") + "\"";
  options.environment = {{"TEMP", temp_.path()}, {"TMP", temp_.path()}, {"SK_REGISTER_LOG", registerLog()}};
  program_ = std::make_unique<gui::Program>(HostPath(SK_INSTALL_PROBE_EXE), options);
}

std::optional<ProbeReport> InstallRun::Finish() {
  if (!program_->started()) {
    ADD_FAILURE() << "the install probe did not start";
    return std::nullopt;
  }
  const auto code = program_->WaitForExit(kChildTimeoutMs);
  if (!code || *code != 0) {
    ADD_FAILURE() << "the install probe " << (code ? "ended with " + std::to_string(*code) : "did not end");
    return std::nullopt;
  }
  std::ifstream in(dir_.File("report.txt"));
  std::vector<int> numbers;
  for (int n; in >> n;) numbers.push_back(n);
  if (numbers.size() != config.files.size() + 2) return std::nullopt;
  ProbeReport report;
  report.installed.assign(numbers.begin(), numbers.end() - 2);
  report.diskRequests = numbers[numbers.size() - 2];
  report.progressReports = numbers.back();
  return report;
}

std::optional<ProbeReport> InstallRun::Run() {
  Start();
  return Finish();
}

HWND WaitForProbeDialog(InstallRun& run, int controlId) {
  gui::WindowQuery query;
  query.processId = run.program().id();
  query.className = "#32770";
  HWND found = nullptr;
  gui::WaitUntil([&] {
    for (HWND window : gui::FindWindows(query))
      if (gui::Control(window, controlId)) found = window;
    return found != nullptr;
  });
  return found;
}

}  // namespace sk::test
