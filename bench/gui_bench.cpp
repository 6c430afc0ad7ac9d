// Times installers under Wine for scripts/bench, each from its process start: to its first
// window, through our wizard to its finish page, through our uninstaller's run, or to its
// exit (the silent NSIS runs). Prints "name milliseconds" lines; exit code 0 when every wait
// ended in time.
//
//   gui_bench install SETUP PRODUCT FOLDER   first_page_ms, finish_page_ms (ours)
//   gui_bench window PROGRAM TITLE [ARGS]    first_window_ms (any installer's first page)
//   gui_bench uninstall UNWISE PRODUCT       removed_ms (ours: the run ends at 1000 per mille)
//   gui_bench run PROGRAM [ARGS]             exit_ms, exit_code
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <cstdio>
#include <string>

#include "win/driver/input.h"
#include "win/driver/program.h"
#include "win/driver/windows.h"

namespace {

constexpr int kNext = 0x3024;
constexpr int kFinish = 0x3025;
constexpr int kAccept = 1004;
constexpr int kFolderEdit = 1001;
constexpr int kUnwiseProgress = 1002;
constexpr DWORD kLimitMs = 20 * 60 * 1000;

double NowMs() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Polls closely, so that the figure is the program's and not the poll's.
template <typename Condition>
bool Poll(Condition condition, DWORD limitMs = kLimitMs) {
  for (const ULONGLONG end = GetTickCount64() + limitMs; GetTickCount64() < end; Sleep(2))
    if (condition()) return true;
  return condition();
}

HWND ShownPage(HWND sheet) {
  for (HWND page = FindWindowExA(sheet, nullptr, "#32770", nullptr); page; page = FindWindowExA(sheet, page, "#32770", nullptr))
    if (IsWindowVisible(page)) return page;
  return nullptr;
}

// A shown dialog window with that title; with a page, the first whose page is shown (a
// wizard's, or NSIS's inner dialog), which leaves out our background window of the same title.
HWND ShownWindow(DWORD processId, const std::string& title, bool withPage) {
  sk::gui::WindowQuery query;
  query.processId = processId;
  query.title = title;
  query.className = "#32770";
  for (HWND window : sk::gui::FindWindows(query))
    if (!withPage || ShownPage(window)) return window;
  return nullptr;
}

// The page's control of that id when it is of that class.
HWND Child(HWND page, int id, const char* className) {
  HWND control = GetDlgItem(page, id);
  return control && sk::gui::ClassName(control) == className ? control : nullptr;
}

bool Usable(HWND control) { return control && IsWindowVisible(control) && IsWindowEnabled(control); }

// The wizard shows its last page (the finish page) with Finish usable. The page's place is
// asked for because the sheet can show Finish for a moment while it starts.
bool OnFinishPage(HWND sheet) {
  const HWND page = ShownPage(sheet);
  LRESULT index = -1, tabs = 0, count = 0;
  return page && Usable(GetDlgItem(sheet, kFinish)) &&
         sk::gui::Ask(sheet, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(page), 0, index) &&
         sk::gui::Ask(sheet, PSM_GETTABCONTROL, 0, 0, tabs) &&
         sk::gui::Ask(reinterpret_cast<HWND>(tabs), TCM_GETITEMCOUNT, 0, 0, count) && index == count - 1;
}

void Report(const char* name, double ms) { std::printf("%s %.0f\n", name, ms); }

int Install(const std::string& setup, const std::string& product, const std::string& folder) {
  const double start = NowMs();
  sk::gui::Program program(setup);
  HWND sheet = nullptr;
  if (!Poll([&] { return (sheet = ShownWindow(program.id(), product, true)) != nullptr; })) return 1;
  Report("first_page_ms", NowMs() - start);
  // Through the pages as a user would: accept the agreement, name the folder, go on.
  while (!OnFinishPage(sheet)) {
    // Between two pages the wizard may show neither for a moment.
    HWND page = nullptr;
    if (!Poll([&] { return (page = ShownPage(sheet)) != nullptr; }, 10000)) return 1;
    // Control ids repeat across pages: the accept choice is the agreement page's button, the
    // folder the folder page's edit box.
    if (HWND accept = Child(page, kAccept, "Button"); accept && sk::gui::CheckState(accept) != BST_CHECKED) {
      sk::gui::Click(accept);
      Poll([&] { return sk::gui::CheckState(accept) == BST_CHECKED; }, 5000);
    }
    if (HWND edit = Child(page, kFolderEdit, "Edit"); edit && sk::gui::WindowText(edit) != folder) {
      DWORD_PTR ignored = 0;
      SendMessageTimeoutA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(folder.c_str()), SMTO_ABORTIFHUNG, 5000, &ignored);
    }
    if (!Poll([&] { return Usable(GetDlgItem(sheet, kNext)) || OnFinishPage(sheet); })) return 1;
    if (OnFinishPage(sheet)) break;
    sk::gui::Click(GetDlgItem(sheet, kNext));
    if (!Poll([&] {
          const HWND shown = ShownPage(sheet);
          return (shown && shown != page) || OnFinishPage(sheet);
        }))
      return 1;
  }
  Report("finish_page_ms", NowMs() - start);
  sk::gui::Click(GetDlgItem(sheet, kFinish));
  return program.WaitForExit(60000) ? 0 : 1;
}

int FirstWindow(const std::string& path, const std::string& title, const std::string& arguments) {
  const double start = NowMs();
  sk::gui::Program program(path, sk::gui::LaunchOptions{arguments, {}});
  if (!Poll([&] { return ShownWindow(program.id(), title, true) != nullptr; })) return 1;
  Report("first_window_ms", NowMs() - start);
  program.Kill();
  return 0;
}

int Uninstall(const std::string& unwise, const std::string& product) {
  const double start = NowMs();
  sk::gui::Program program(unwise);
  HWND window = nullptr;
  // The uninstaller goes on in a relocated copy of itself, another process of the same job.
  if (!Poll([&] { return (window = ShownWindow(0, product, false)) && GetDlgItem(window, kUnwiseProgress); })) return 1;
  HWND button = GetDlgItem(window, IDOK);
  if (!Poll([&] { return Usable(button); })) return 1;
  sk::gui::Click(button);
  if (!Poll([&] { return sk::gui::ProgressPosition(GetDlgItem(window, kUnwiseProgress)) == 1000 && Usable(button); })) return 1;
  Report("removed_ms", NowMs() - start);
  program.Kill();
  return 0;
}

int Run(const std::string& path, const std::string& arguments) {
  const double start = NowMs();
  sk::gui::Program program(path, sk::gui::LaunchOptions{arguments, {}});
  const auto code = program.WaitForExit(kLimitMs);
  if (!code) return 1;
  Report("exit_ms", NowMs() - start);
  std::printf("exit_code %lu\n", static_cast<unsigned long>(*code));
  return 0;
}

std::string Rest(int argc, char** argv, int from) {
  std::string joined;
  for (int i = from; i < argc; ++i) joined += (joined.empty() ? "" : " ") + std::string(argv[i]);
  return joined;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "install" && argc == 5) return Install(argv[2], argv[3], argv[4]);
  if (command == "window" && argc >= 4) return FirstWindow(argv[2], argv[3], Rest(argc, argv, 4));
  if (command == "uninstall" && argc == 4) return Uninstall(argv[2], argv[3]);
  if (command == "run" && argc >= 3) return Run(argv[2], Rest(argc, argv, 3));
  std::fprintf(stderr, "usage: gui_bench install|window|uninstall|run ...\n");
  return 2;
}
