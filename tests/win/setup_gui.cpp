#include "win/setup_gui.h"

#include "support/test_package.h"
#include "win/driver/windows.h"
#include "win/child_process.h"

namespace sk::test {

std::string SomeJpeg() { return ReadAll(HostPath(SK_BUILTIN_PICTURE)); }

SetupUnderTest::SetupUnderTest(const SetupConfig& config, const std::string& splashPicture,
                               const std::string& music)
    : setup_(folder_.File("setup.exe")) {
  PackageBuilder builder(ReadAll(HostPath(SK_SETUP_EXE)));
  SetupConfig packaged = config;
  if (!splashPicture.empty()) packaged.splashPicture = builder.AddBlock(splashPicture);
  if (!music.empty()) packaged.music = builder.AddBlock(music);
  WriteAll(setup_, builder.Finish(packaged));
}

void SetupUnderTest::Start(std::vector<std::pair<std::string, std::string>> environment) {
  environment.emplace_back("TEMP", temp_.path());
  environment.emplace_back("TMP", temp_.path());
  program_ = std::make_unique<gui::Program>(setup_, gui::LaunchOptions{"", environment});
}

HWND SetupUnderTest::WaitForTitle(const std::string& title) {
  gui::WindowQuery query;
  query.processId = program_->id();
  query.title = title;
  return gui::WaitForWindow(query);
}

std::string SetupUnderTest::PrivateFolder() const {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(temp_.File("setupkit-setup-*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return {};
  FindClose(search);
  return temp_.File(found.cFileName) + "\\";
}

SetupWithoutPackage::SetupWithoutPackage()
    : program_(HostPath(SK_SETUP_EXE),
               {"", {{"TEMP", temp_.path()}, {"TMP", temp_.path()}, {"SETUPKIT_NO_UI", ""}}}) {}

HWND SetupWithoutPackage::WaitForBox() {
  gui::WindowQuery query;
  query.processId = program_.id();
  return gui::WaitForWindow(query);
}

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace sk::test
