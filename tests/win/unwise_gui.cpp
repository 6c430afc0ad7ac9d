#include "win/unwise_gui.h"

#include "package/uninstall_settings.h"
#include "resource_ids.h"
#include "win/child_process.h"
#include "win/driver/input.h"
#include "win/driver/wait.h"
#include "win/driver/windows.h"

namespace sk::test {

SetupConfig UninstallConfig(bool english) {
  SetupConfig config;
  config.productName = "Demo";
  config.uiTexts[0] = english ? "FALSE" : "TRUE";
  config.uiTexts[5] = english ? "Finish" : "完成";
  config.uiTexts[6] = english ? "Uninstall" : "卸载";
  config.uiTexts[7] = english ? "Delete" : "删除";
  config.uiTexts[17] = english ? "Press Cancel to leave" : "如果您要取消卸载，请按[取消]退出";
  return config;
}

UnwiseUnderTest::UnwiseUnderTest(const SetupConfig& config) : config_(config) {
  const std::string image = ReadAll(HostPath(SK_UNWISE_EXE));
  const UninstallerInputs inputs{{reinterpret_cast<const std::uint8_t*>(image.data()), image.size()}, {}, ""};
  WriteUninstallerPackage(install_.File("unwise.exe"), config, inputs);
  WriteLog({});
}

void UnwiseUnderTest::WriteLog(const SetupLogHead& head, const std::vector<std::string>& shortcuts) const {
  std::string log = SetupLogHeadBytes(head);
  for (const auto& shortcut : shortcuts) log += SetupLogLine(shortcut);
  WriteAll(LogPath(), log);
}

void UnwiseUnderTest::Start(const std::string& arguments, std::vector<std::pair<std::string, std::string>> environment) {
  StartProgram(install_.File("unwise.exe"), arguments, std::move(environment));
}

void UnwiseUnderTest::StartProgram(const std::string& program, const std::string& arguments,
                                   std::vector<std::pair<std::string, std::string>> environment) {
  environment.emplace_back("TEMP", temp_.path());
  environment.emplace_back("TMP", temp_.path());
  program_ = std::make_unique<gui::Program>(program, gui::LaunchOptions{arguments, std::move(environment)});
}

HWND UnwiseUnderTest::WaitForWindow() const { return WaitForUnwiseWindow(config_.productName); }

HWND WaitForUnwiseWindow(const std::string& productName) {
  gui::WindowQuery query;
  query.title = productName;
  query.className = "#32770";
  return gui::WaitForWindow(query);
}

std::string UnwiseUnderTest::RelocatedCopy() const {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(temp_.File("setupkit-unwise-*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return {};
  FindClose(search);
  return temp_.File(found.cFileName) + "\\glb1a2b.exe";
}

bool UnwiseUnderTest::RunRemoval(HWND window) const { return RunRemovalIn(window); }

bool RunRemovalIn(HWND window) {
  HWND button = gui::Control(window, IDOK);
  if (!gui::Click(button)) return false;
  // The run disables the button at once and enables it again at its end.
  return gui::WaitUntil([&] { return gui::IsEnabled(button) && gui::ProgressPosition(gui::Control(window, IDC_UNWISE_PROGRESS)) == 1000; });
}

bool RegKeyExists(HKEY root, const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

void CreateRegKey(HKEY root, const std::string& path) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) == ERROR_SUCCESS)
    RegCloseKey(key);
}

}  // namespace sk::test
