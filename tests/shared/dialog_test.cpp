// Dialogs, data exchange and wizard pages of the Win32 layer, run in this process. The tests
// drive their dialogs by posting to them from their own handlers; every wait is bounded.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "layer_test_ids.h"
#include "shared/controls.h"
#include "shared/dialog.h"
#include "shared/property_sheet.h"

namespace sk {
namespace {

constexpr DWORD kWaitMs = 10000;

// Ends a dialog run that hangs, so that a failing test fails instead of waiting for ever.
class Watchdog {
 public:
  Watchdog() : thread_([this] {
      for (DWORD waited = 0; waited < kWaitMs && !done_; waited += 50) Sleep(50);
      if (!done_) PostThreadMessageA(target_, WM_QUIT, 0, 0);
    }) {}
  ~Watchdog() {
    done_ = true;
    thread_.join();
  }

 private:
  DWORD target_ = GetCurrentThreadId();
  std::atomic<bool> done_{false};
  std::thread thread_;
};

// A dialog that runs a script of posted messages once it is up.
class ScriptedDialog : public CDialog {
 public:
  ScriptedDialog() : CDialog(IDD_TEST_DIALOG) {}
  std::vector<MSG> script;  // hwnd filled in at WM_INITDIALOG
  std::string value = "short";
  std::size_t limit = 10;
  int cancels = 0;

 protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    for (const MSG& m : script) PostMessageA(m.hwnd ? m.hwnd : hwnd(), m.message, m.wParam, m.lParam);
    return TRUE;
  }
  void DoDataExchange(DataExchange& exchange) override { exchange.Text(IDC_TEST_EDIT, value, limit); }
  bool OnCommand(WORD id, WORD code, HWND control) override {
    if (id == IDCANCEL) ++cancels;
    return CDialog::OnCommand(id, code, control);
  }
};

MSG Command(WORD id) { return MSG{nullptr, WM_COMMAND, id, 0, 0, {}}; }

TEST(Dialog, ModalRunEndsWithTheHandlersResult) {
  Watchdog watchdog;
  ScriptedDialog dialog;
  dialog.script = {Command(IDCANCEL)};
  EXPECT_EQ(dialog.DoModal(nullptr), IDCANCEL);
  EXPECT_EQ(dialog.cancels, 1);
  EXPECT_EQ(dialog.hwnd(), nullptr) << "the window is gone after the run";
}

TEST(Dialog, TheCloseBoxCancels) {
  Watchdog watchdog;
  ScriptedDialog dialog;
  dialog.script = {MSG{nullptr, WM_CLOSE, 0, 0, 0, {}}};
  EXPECT_EQ(dialog.DoModal(nullptr), IDCANCEL);
}

TEST(Dialog, OkSavesTheControlsIntoTheMembers) {
  Watchdog watchdog;
  struct Edit : ScriptedDialog {
    BOOL OnInitDialog() override {
      ScriptedDialog::OnInitDialog();
      SetItemText(hwnd(), IDC_TEST_EDIT, "typed");
      return TRUE;
    }
  } edit;
  edit.script = {Command(IDOK)};
  EXPECT_EQ(edit.DoModal(nullptr), IDOK);
  EXPECT_EQ(edit.value, "typed");
}

TEST(Dialog, EscapeReachesTheDialogThroughItsOwnLoop) {
  Watchdog watchdog;
  struct KeyFromEdit : ScriptedDialog {
    BOOL OnInitDialog() override {
      ScriptedDialog::OnInitDialog();
      PostMessageA(Item(IDC_TEST_EDIT), WM_KEYDOWN, VK_ESCAPE, 0);
      return TRUE;
    }
  } keyed;
  EXPECT_EQ(keyed.DoModal(nullptr), IDCANCEL);
}

// Answers the notice box that a too-long text brings up, and remembers its text.
std::string AnswerNoticeOf(DWORD thread) {
  for (DWORD waited = 0; waited < kWaitMs; waited += 50) {
    HWND found = nullptr;
    EnumThreadWindows(
        thread,
        [](HWND window, LPARAM param) -> BOOL {
          char name[16] = {};
          GetClassNameA(window, name, sizeof name);
          char title[64] = {};
          GetWindowTextA(window, title, sizeof title);
          if (std::string(name) == "#32770" && std::string(title) != "layer test" && IsWindowVisible(window)) {
            *reinterpret_cast<HWND*>(param) = window;
            return FALSE;
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    if (found) {
      char text[512] = {};
      GetDlgItemTextA(found, 0xFFFF, text, sizeof text);  // the message box's text control
      PostMessageA(found, WM_COMMAND, IDOK, 0);
      return text;
    }
    Sleep(50);
  }
  return {};
}

TEST(DataExchange, ATooLongTextIsRefusedWithANoticeAndTheDialogStays) {
  Watchdog watchdog;
  struct TooLong : ScriptedDialog {
    int okAttempts = 0;
    BOOL OnInitDialog() override {
      ScriptedDialog::OnInitDialog();
      SetItemText(hwnd(), IDC_TEST_EDIT, "twelve bytes");
      PostMessageA(hwnd(), WM_COMMAND, IDOK, 0);
      return TRUE;
    }
    void OnOK() override {
      ++okAttempts;
      if (okAttempts > 1) {
        EndDialog(IDABORT);  // the second try: the dialog was still there
        return;
      }
      ScriptedDialog::OnOK();
      if (hwnd()) PostMessageA(hwnd(), WM_COMMAND, IDOK, 0);
    }
  } dialog;
  std::string notice;
  std::thread answer([&notice, thread = GetCurrentThreadId()] { notice = AnswerNoticeOf(thread); });
  EXPECT_EQ(dialog.DoModal(nullptr), IDABORT);
  answer.join();
  EXPECT_EQ(dialog.okAttempts, 2);
  EXPECT_EQ(dialog.value, "short") << "the member keeps its value";
  EXPECT_NE(notice.find("10"), std::string::npos) << notice;
}

// Pages that log their notifications and walk through the wizard by pressing its buttons.
struct Log {
  std::vector<std::string> events;
};

class LoggingPage : public CPropertyPage {
 public:
  LoggingPage(Log& log, std::string name, DWORD press) : CPropertyPage(IDD_TEST_PAGE), log_(log), name_(std::move(name)), press_(press) {}

 protected:
  bool OnSetActive() override {
    log_.events.push_back(name_ + " active");
    PostWizardButtons(Sheet(), PSWIZB_NEXT | PSWIZB_FINISH);
    PostMessageA(Sheet(), PSM_PRESSBUTTON, press_, 0);
    return true;
  }
  bool OnKillActive() override {
    log_.events.push_back(name_ + " leaves");
    return CPropertyPage::OnKillActive();
  }
  LRESULT OnWizardNext() override {
    log_.events.push_back(name_ + " next");
    return 0;
  }
  bool OnWizardFinish() override {
    log_.events.push_back(name_ + " finish");
    return true;
  }

 private:
  Log& log_;
  std::string name_;
  DWORD press_;
};

TEST(WizardSheet, PagesHearTheirNotifications) {
  Watchdog watchdog;
  Log log;
  LoggingPage first(log, "first", PSBTN_NEXT), second(log, "second", PSBTN_FINISH);
  CPropertySheet sheet("wizard", nullptr, 0);
  sheet.AddPage(&first);
  sheet.AddPage(&second);
  sheet.SetWizardMode();
  sheet.DoModal();
  EXPECT_EQ(log.events, (std::vector<std::string>{"first active", "first next", "first leaves", "second active",
                                                  "second finish"}));
}

}  // namespace
}  // namespace sk
