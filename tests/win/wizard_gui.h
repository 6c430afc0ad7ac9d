// Driving setup's wizard from a test: its window, its buttons and the controls of the page it
// shows, and the registry values it writes. Every wait is bounded.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "package/setup_config.h"
#include "support/temp_dir.h"
#include "win/driver/program.h"
#include "win/driver/wait.h"

namespace sk::test {

// The sheet's own buttons and the controls the tests go through the pages with.
inline constexpr int kWizardNext = 0x3024;
inline constexpr int kWizardFinish = 0x3025;
inline constexpr int kWizardCancel = IDCANCEL;
inline constexpr int kAgreementAccept = 1004;
inline constexpr int kFolderEdit = 1001;

// The wizard of that program (its title is the product name), or nullptr.
HWND WaitForWizard(gui::Program& program, const std::string& title);
// The wizard's button once it is shown and enabled; the copying takes a few seconds of pauses.
bool WaitForButton(HWND sheet, int id);
// A control of the page the wizard shows, once that page is up.
HWND WaitForPageControl(HWND sheet, int id);
// Welcome, agreement accepted, the folder typed in, and on to the finish page.
bool GoToFinishPage(HWND sheet, const std::string& installFolder);
// The same as far as the copying page; the step that could not be taken, or "" when all were.
std::string GoToCopyingPage(HWND sheet, const std::string& installFolder);

// setup's message box whose text starts with textStart, or nullptr when none shows in time.
HWND WaitForMessageBox(gui::Program& program, const std::string& textStart, DWORD timeoutMs = gui::DefaultWaitMs());
// setup's insert-disk dialog, or nullptr when none shows while the copying runs up to it.
HWND WaitForInsertDisk(gui::Program& program);

// A name of this test process's own, for products and keys no other run shares.
std::string Unique(const char* stem);

// setup.exe with the package of config and of these files (each entry with its bytes) written
// into folder; its path.
std::string WriteSetupWithFiles(const TempDir& folder, const SetupConfig& config,
                                const std::vector<std::pair<FileEntry, std::string>>& files);

// An English package of that product (also its key and, with " display", its uninstall
// entry's name), the interface texts "t1" to "t18" and no pause between files.
SetupConfig EnglishWizardConfig(const std::string& product, const std::string& version);

// A value as text (DWORDs in decimal), or nothing when the key or value is missing.
std::optional<std::string> RegText(HKEY root, const std::string& key, const char* name);
// The byte count a value is stored with, as the registry holds it (UTF-16); 0 when missing.
DWORD StoredBytes(HKEY root, const wchar_t* key, const wchar_t* name);

}  // namespace sk::test
