// Without the test switch, a program that cannot read its package says so in a message box,
// in both languages, and ends with its failure code once the box is closed.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "setup_ui/exit_codes.h"
#include "support/temp_dir.h"
#include "unwise/exit_codes.h"
#include "win/child_process.h"

namespace sk::test {
namespace {

std::string ClassName(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

// WM_GETTEXT, bounded: GetWindowTextA does not read another process's edit controls.
std::string WindowText(HWND window) {
  char text[256] = {};
  DWORD_PTR copied = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, &copied);
  return text;
}

struct Search {
  DWORD processId;
  HWND found;
};

HWND FindMessageBox(DWORD processId) {
  Search search{processId, nullptr};
  EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != s->processId || !IsWindowVisible(window) || ClassName(window) != "#32770")
          return TRUE;
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The box's message: the text of its one static or edit control that has any (the system's box
// shows it in a static, setup's own box in a read-only edit).
std::string MessageText(HWND box) {
  std::string text;
  EnumChildWindows(
      box,
      [](HWND child, LPARAM param) -> BOOL {
        auto* t = reinterpret_cast<std::string*>(param);
        const std::string kind = ClassName(child);
        if ((kind == "Static" || kind == "Edit") && !WindowText(child).empty()) *t = WindowText(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&text));
  return text;
}

HWND WaitForMessageBox(DWORD processId) {
  for (DWORD waited = 0; waited < kChildTimeoutMs; waited += 50) {
    if (HWND box = FindMessageBox(processId)) return box;
    Sleep(50);
  }
  return nullptr;
}

struct ProgramCase {
  const char* name;
  const char* program;
  int failureCode;
};

class StartFailureMessage : public testing::TestWithParam<ProgramCase> {};

TEST_P(StartFailureMessage, IsBilingualWithAnEmptyCaption) {
  TempDir temp;
  ChildProcess child(HostPath(GetParam().program), {temp.path(), /*suppressUi=*/false});
  ASSERT_TRUE(child.started());
  HWND box = WaitForMessageBox(child.id());
  ASSERT_NE(box, nullptr) << "no message box appeared";
  EXPECT_EQ(WindowText(box), "");
  EXPECT_EQ(MessageText(box), "初始化数据失败!\r\nInit data failure!");
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(child.Wait(kChildTimeoutMs), static_cast<DWORD>(GetParam().failureCode));
}

INSTANTIATE_TEST_SUITE_P(Programs, StartFailureMessage,
                         testing::Values(ProgramCase{"Setup", SK_SETUP_EXE, kSetupExitStartFailed},
                                         ProgramCase{"Unwise", SK_UNWISE_EXE, kUnwiseExitStartFailed}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace sk::test
