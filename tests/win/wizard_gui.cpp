#include "win/wizard_gui.h"

#include <cstring>

#include "resource_ids.h"
#include "support/test_package.h"
#include "win/child_process.h"
#include "win/driver/input.h"
#include "win/driver/windows.h"

namespace sk::test {

HWND WaitForWizard(gui::Program& program, const std::string& title) {
  gui::WindowQuery query;
  query.processId = program.id();
  query.title = title;
  return gui::WaitForWindow(query);
}

bool WaitForButton(HWND sheet, int id) {
  return gui::WaitUntil(
      [&] {
        HWND button = gui::Control(sheet, id);
        return button && gui::IsShown(button) && gui::IsEnabled(button);
      },
      gui::DefaultWaitMs() * 4);
}

HWND WaitForPageControl(HWND sheet, int id) {
  HWND control = nullptr;
  gui::WaitUntil([&] {
    for (HWND page = FindWindowExA(sheet, nullptr, "#32770", nullptr); page; page = FindWindowExA(sheet, page, "#32770", nullptr))
      if (gui::IsShown(page) && GetDlgItem(page, id)) control = GetDlgItem(page, id);
    return control != nullptr;
  });
  return control;
}

std::string GoToCopyingPage(HWND sheet, const std::string& installFolder) {
  const auto next = [&] { return WaitForButton(sheet, kWizardNext) && gui::Click(gui::Control(sheet, kWizardNext)); };
  if (!next()) return "welcome page's Next";
  // Next stays enabled from the welcome page until the agreement page has said otherwise; a
  // click before then would be lost once the page disables it.
  HWND accept = WaitForPageControl(sheet, kAgreementAccept);
  if (!accept || !gui::WaitUntil([&] { return !gui::IsEnabled(gui::Control(sheet, kWizardNext)); }))
    return "the agreement page";
  if (!gui::Click(accept)) return "the agreement's accept choice";
  if (!next()) return "agreement page's Next";
  HWND edit = WaitForPageControl(sheet, kFolderEdit);
  DWORD_PTR ignored = 0;
  if (!edit || !SendMessageTimeoutA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(installFolder.c_str()),
                                    SMTO_ABORTIFHUNG, gui::DefaultWaitMs(), &ignored))
    return "the folder field";
  if (!gui::Click(gui::Control(sheet, kWizardNext))) return "folder page's Next";
  return "";
}

bool GoToFinishPage(HWND sheet, const std::string& installFolder) {
  return GoToCopyingPage(sheet, installFolder).empty() && WaitForButton(sheet, kWizardFinish);
}

// setup's shown dialog with a control of that id whose text passes the check, or nullptr.
template <typename Check>
HWND WaitForDialogWith(gui::Program& program, int controlId, Check check, DWORD timeoutMs) {
  gui::WindowQuery query;
  query.processId = program.id();
  query.className = "#32770";
  HWND found = nullptr;
  gui::WaitUntil(
      [&] {
        for (HWND dialog : gui::FindWindows(query))
          if (gui::Control(dialog, controlId) && check(gui::ControlText(dialog, controlId))) found = dialog;
        return found != nullptr;
      },
      timeoutMs);
  return found;
}

HWND WaitForMessageBox(gui::Program& program, const std::string& textStart, DWORD timeoutMs) {
  return WaitForDialogWith(
      program, IDC_MESSAGE_TEXT, [&](const std::string& text) { return text.rfind(textStart, 0) == 0; }, timeoutMs);
}

HWND WaitForInsertDisk(gui::Program& program) {
  return WaitForDialogWith(
      program, IDC_DISK_PROMPT, [](const std::string&) { return true; }, gui::DefaultWaitMs() * 4);
}

std::string Unique(const char* stem) { return std::string(stem) + std::to_string(GetCurrentProcessId()); }

std::string WriteSetupWithFiles(const TempDir& folder, const SetupConfig& config,
                                const std::vector<std::pair<FileEntry, std::string>>& files) {
  PackageBuilder builder(ReadAll(HostPath(SK_SETUP_EXE)));
  SetupConfig packaged = config;
  for (const auto& [file, data] : files) {
    FileEntry entry = file;
    const BlockRef block = builder.AddBlock(data);
    entry.offset = block.offset;
    entry.size = block.length;
    packaged.files.push_back(entry);
  }
  const std::string path = folder.File("setup.exe");
  WriteAll(path, builder.Finish(packaged));
  return path;
}

SetupConfig EnglishWizardConfig(const std::string& product, const std::string& version) {
  SetupConfig config;
  config.productName = product;
  config.productKey = product;
  config.version = version;
  config.uninstallDisplayName = product + " display";
  config.uiTexts[0] = "FALSE";
  for (int i = 1; i < kUiTextCount; ++i) config.uiTexts[static_cast<std::size_t>(i)] = "t" + std::to_string(i);
  config.pageTexts[kCopyingPage][3] = "0";
  return config;
}

std::optional<std::string> RegText(HKEY root, const std::string& key, const char* name) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return std::nullopt;
  char buffer[512] = {};
  DWORD size = sizeof buffer - 1, type = 0;
  const LONG read = RegQueryValueExA(opened, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
  RegCloseKey(opened);
  if (read != ERROR_SUCCESS) return std::nullopt;
  if (type == REG_DWORD) return std::to_string(*reinterpret_cast<DWORD*>(buffer));
  return std::string(buffer, strnlen(buffer, size));
}

DWORD StoredBytes(HKEY root, const wchar_t* key, const wchar_t* name) {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(root, key, 0, KEY_READ, &opened) != ERROR_SUCCESS) return 0;
  DWORD size = 0;
  if (RegQueryValueExW(opened, name, nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS) size = 0;
  RegCloseKey(opened);
  return size;
}

}  // namespace sk::test
