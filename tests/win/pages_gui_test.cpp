// The agreement page and the folder page under the driver: the choice that gates Next, the
// agreement box and its limits, the folder proposed, the folder browser, the refused locations
// and the free-space question. Install folders go to the harness's second drive, D:.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "support/test_package.h"
#include "win/driver/input.h"
#include "win/driver/windows.h"
#include "win/setup_gui.h"
#include "win/wizard_gui.h"

namespace sk::test {
namespace {

using gui::Control;
using gui::ControlText;

constexpr int kWizardBack = 0x3023;
constexpr int kAccept = kAgreementAccept, kDecline = 1005, kAgreementBox = 1018, kLine1 = 1030, kLine2 = 1032;
constexpr int kBrowse = 1015;
constexpr int kBoxButton1 = 1100, kBoxButton2 = 1102, kBoxButton3 = 1104, kBoxText = 1105;
constexpr int kNoticeText = 0xFFFF;  // the static of a platform message box

std::string Unique(const char* stem) { return std::string(stem) + std::to_string(GetCurrentProcessId()); }

SetupConfig PagesConfig(bool english) {
  SetupConfig c = EnglishWizardConfig(Unique("SkPages"), "1.00");
  c.uninstallDisplayName.clear();
  c.noUninstaller = true;
  if (!english) c.uiTexts[0] = "TRUE";
  auto& agreement = c.pageTexts[kAgreementPage];
  agreement[0] = "line one";
  agreement[1] = "line two";
  agreement[4] = "I accept";
  agreement[5] = "I decline";
  c.agreementText = "The terms.";
  auto& folder = c.pageTexts[kFolderPage];
  folder[0] = "folder one";
  folder[3] = "Install into:";
  folder[4] = "Browse...";
  return c;
}

// A folder on D: for one test, removed with everything in it afterwards.
class DriveDFolder {
 public:
  explicit DriveDFolder(const char* stem) : path_("D:\\" + Unique(stem)) { CreateDirectoryA(path_.c_str(), nullptr); }
  ~DriveDFolder() { RemoveTree(path_); }
  const std::string& path() const { return path_; }

  static void RemoveTree(const std::string& path) {
    std::string from = path;
    from.push_back('\0');  // the list of names ends in a second zero
    SHFILEOPSTRUCTA operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    SHFileOperationA(&operation);
  }

 private:
  std::string path_;
};

void RemoveApplicationKey(const SetupConfig& config) {
  RegDeleteTreeA(HKEY_CURRENT_USER, ("Software\\" + config.productKey).c_str());
}

bool SetText(HWND control, const std::string& text) {
  LRESULT ignored = 0;
  return gui::Ask(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), ignored);
}

// setup with the wizard up on its welcome page.
struct Wizard {
  explicit Wizard(const SetupConfig& c) : config(c), setup(c) {
    setup.Start();
    sheet = setup.WaitForTitle(config.productName);
  }
  ~Wizard() { RemoveApplicationKey(config); }

  gui::Program& program() { return setup.program(); }
  bool Next() { return WaitForButton(sheet, kWizardNext) && gui::Click(Control(sheet, kWizardNext)); }
  // On to the agreement page; its accept button.
  HWND ToAgreement() { return Next() ? WaitForPageControl(sheet, kAccept) : nullptr; }
  // On to the folder page through the agreement; its folder field.
  HWND ToFolderPage() {
    HWND accept = ToAgreement();
    return accept && gui::Click(accept) && Next() ? WaitForPageControl(sheet, kFolderEdit) : nullptr;
  }
  bool OnPageOf(HWND control) { return gui::WaitUntil([&] { return gui::IsShown(GetParent(control)); }); }

  SetupConfig config;
  SetupUnderTest setup;
  HWND sheet = nullptr;
};

// setup's message box (the one with the text control), once one is shown.
HWND WaitForMessageBox(gui::Program& program) {
  gui::WindowQuery query;
  query.processId = program.id();
  query.className = "#32770";
  HWND box = nullptr;
  gui::WaitUntil([&] {
    for (HWND window : gui::FindWindows(query))
      if (Control(window, kBoxText)) box = window;
    return box != nullptr;
  });
  return box;
}

// The platform's message box that setup's dialog-data exchange shows for a text over its limit.
HWND WaitForNotice(gui::Program& program) {
  gui::WindowQuery query;
  query.processId = program.id();
  query.className = "#32770";
  HWND notice = nullptr;
  gui::WaitUntil([&] {
    for (HWND window : gui::FindWindows(query))
      if (Control(window, kNoticeText)) notice = window;
    return notice != nullptr;
  });
  return notice;
}

TEST(AgreementPage, DeclinedAtFirstAndTheChoiceLastsAcrossBackAndNext) {
  Wizard wizard(PagesConfig(true));
  ASSERT_NE(wizard.sheet, nullptr);
  HWND accept = wizard.ToAgreement();
  ASSERT_NE(accept, nullptr);
  HWND page = GetParent(accept);
  HWND decline = Control(page, kDecline);
  EXPECT_TRUE(gui::WaitUntil([&] { return gui::CheckState(decline) == BST_CHECKED; }));
  EXPECT_EQ(gui::CheckState(accept), BST_UNCHECKED);
  EXPECT_TRUE(gui::WaitUntil([&] { return !gui::IsEnabled(Control(wizard.sheet, kWizardNext)); }));
  EXPECT_TRUE(WaitForButton(wizard.sheet, kWizardBack));
  EXPECT_EQ(ControlText(wizard.sheet, kWizardBack), "t1");
  EXPECT_EQ(ControlText(wizard.sheet, kWizardNext), "t2");
  EXPECT_EQ(ControlText(wizard.sheet, IDCANCEL), "t3");
  EXPECT_EQ(ControlText(page, kLine1), "line one");
  EXPECT_EQ(ControlText(page, kLine2), "line two");
  EXPECT_EQ(ControlText(page, kAgreementBox), "The terms.");
  EXPECT_EQ(ControlText(page, kAccept), "I accept");
  EXPECT_EQ(ControlText(page, kDecline), "I decline");

  ASSERT_TRUE(gui::Click(accept));
  ASSERT_TRUE(WaitForButton(wizard.sheet, kWizardNext));
  ASSERT_TRUE(gui::Click(Control(wizard.sheet, kWizardBack)));
  EXPECT_TRUE(gui::WaitUntil([&] { return !gui::IsShown(Control(wizard.sheet, kWizardBack)); })) << "welcome hides Back";
  ASSERT_TRUE(wizard.Next());
  ASSERT_TRUE(wizard.OnPageOf(accept));
  EXPECT_EQ(gui::CheckState(accept), BST_CHECKED);
  EXPECT_EQ(gui::CheckState(decline), BST_UNCHECKED);
  EXPECT_TRUE(WaitForButton(wizard.sheet, kWizardNext));

  ASSERT_TRUE(gui::Click(decline));
  EXPECT_TRUE(gui::WaitUntil([&] { return !gui::IsEnabled(Control(wizard.sheet, kWizardNext)); }));
  EXPECT_EQ(gui::CheckState(accept), BST_UNCHECKED);
}

TEST(AgreementPage, BoxIs25PixelsTallerThanItsTemplate) {
  Wizard wizard(PagesConfig(true));
  HWND accept = wizard.ToAgreement();
  ASSERT_NE(accept, nullptr);
  HWND page = GetParent(accept);
  // A line is 8 dialog units high, so its height in pixels is the page's vertical base unit.
  const RECT line = gui::ScreenRect(Control(page, kLine1));
  const int unit = line.bottom - line.top;
  ASSERT_GT(unit, 0);
  RECT box = gui::ScreenRect(Control(page, kAgreementBox));
  MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&box), 2);
  EXPECT_EQ(box.top, MulDiv(32, unit, 8));
  EXPECT_EQ(box.bottom - box.top, MulDiv(99, unit, 8) + 25);
}

TEST(AgreementPage, RepaintingShowsTheBeginningAgain) {
  SetupConfig config = PagesConfig(true);
  config.agreementText.clear();
  for (int i = 0; i < 200; ++i) config.agreementText += "clause " + std::to_string(i) + "\r\n";
  Wizard wizard(config);
  HWND accept = wizard.ToAgreement();
  ASSERT_NE(accept, nullptr);
  HWND page = GetParent(accept);
  HWND box = Control(page, kAgreementBox);
  LRESULT ignored = 0, firstLine = 0;
  ASSERT_TRUE(gui::Ask(box, WM_VSCROLL, SB_BOTTOM, 0, ignored));
  ASSERT_TRUE(gui::Ask(box, EM_GETFIRSTVISIBLELINE, 0, 0, firstLine));
  ASSERT_GT(firstLine, 0);
  // What uncovering the page does: its area needs painting again.
  ASSERT_TRUE(RedrawWindow(page, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE));
  EXPECT_TRUE(gui::WaitUntil([&] { return gui::Ask(box, EM_GETFIRSTVISIBLELINE, 0, 0, firstLine) && firstLine == 0; }));
  LRESULT selection = -1;
  ASSERT_TRUE(gui::Ask(box, EM_GETSEL, 0, 0, selection));
  EXPECT_EQ(selection, 0) << "nothing selected, the caret at the start";
}

// Texts at and over their limits: the limit passes, one byte more shows the notice once and
// keeps the page.
TEST(AgreementPage, TextLimitsHoldThePageWithOneNotice) {
  const struct {
    std::size_t agreementBytes, line2Bytes;
    const char* limit;  // named by the notice; nullptr: the page can be left
  } cases[] = {{4096, 47, nullptr}, {4097, 47, "4096"}, {10, 48, "47"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.agreementBytes) + " / " + std::to_string(c.line2Bytes));
    SetupConfig config = PagesConfig(true);
    config.agreementText.assign(c.agreementBytes, 'a');
    config.pageTexts[kAgreementPage][1].assign(c.line2Bytes, 'b');
    Wizard wizard(config);
    HWND accept = wizard.ToAgreement();
    ASSERT_NE(accept, nullptr);
    ASSERT_TRUE(gui::Click(accept));
    ASSERT_TRUE(wizard.Next());
    if (!c.limit) {
      EXPECT_NE(WaitForPageControl(wizard.sheet, kFolderEdit), nullptr);
      continue;
    }
    HWND notice = WaitForNotice(wizard.program());
    ASSERT_NE(notice, nullptr);
    EXPECT_NE(ControlText(notice, kNoticeText).find(std::string(" ") + c.limit + " bytes"), std::string::npos)
        << ControlText(notice, kNoticeText);
    ASSERT_TRUE(gui::Click(Control(notice, IDOK)));
    ASSERT_TRUE(gui::WaitForWindowGone(notice));
    // A second notice would be up before the wizard could answer.
    LRESULT ignored = 0;
    ASSERT_TRUE(gui::Ask(wizard.sheet, WM_NULL, 0, 0, ignored));
    gui::WindowQuery query;
    query.processId = wizard.program().id();
    query.className = "#32770";
    for (HWND window : gui::FindWindows(query)) EXPECT_EQ(Control(window, kNoticeText), nullptr) << "a second notice";
    EXPECT_TRUE(gui::IsShown(GetParent(accept))) << "still the agreement page";
  }
}

bool SetRegText(const std::string& key, const char* name, const std::string& value) {
  return RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), name, REG_SZ, value.data(), static_cast<DWORD>(value.size())) ==
         ERROR_SUCCESS;
}

TEST(FolderPage, ProposesThePreviousFolderOfTheSameVersion) {
  const DriveDFolder previous("SkPrevious");
  const struct {
    const char* recorded;
    bool proposed;
  } cases[] = {{"1.0", true}, {"2.0", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.recorded);
    const SetupConfig config = PagesConfig(true);  // version 1.00
    const std::string key = "Software\\" + config.productKey;
    // As setup records it: without a terminating zero.
    ASSERT_TRUE(SetRegText(key, "InstallPath", previous.path()));
    ASSERT_TRUE(SetRegText(key, "Version", c.recorded));
    Wizard wizard(config);
    HWND edit = wizard.ToFolderPage();
    ASSERT_NE(edit, nullptr);
    const std::string proposed = c.proposed ? previous.path() : "C:\\Program Files\\" + config.productName + "\\";
    EXPECT_EQ(gui::WindowText(edit), proposed);
    // Painted, the field shows the end of the path: the caret after its last character.
    const auto end = static_cast<LRESULT>(MAKELONG(proposed.size(), proposed.size()));
    LRESULT selection = -1;
    EXPECT_TRUE(gui::WaitUntil([&] { return gui::Ask(edit, EM_GETSEL, 0, 0, selection) && selection == end; }))
        << std::hex << selection;
  }
}

HWND WaitForBrowser(Wizard& wizard) {
  gui::WindowQuery query;
  query.processId = wizard.program().id();
  query.className = "#32770";
  query.title = wizard.config.productName;
  query.owner = wizard.sheet;
  return gui::WaitForWindow(query);
}

bool HasChildWithText(HWND window, const std::string& text) {
  struct Search {
    const std::string* text;
    bool found;
  } search{&text, false};
  EnumChildWindows(
      window,
      [](HWND child, LPARAM data) {
        auto* s = reinterpret_cast<Search*>(data);
        if (gui::WindowText(child) == *s->text) s->found = true;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Wine's selection dialog takes about two seconds to go once a button ended it.
bool WaitForBrowserGone(HWND browser) { return gui::WaitForWindowGone(browser, gui::DefaultWaitMs() * 2); }

// Chooses folder in the open selection dialog and confirms it. Wine's dialog may still be
// filling its tree and then drop a selection, so it is asked again until the tree shows it.
void Choose(HWND browser, const std::string& folder) {
  const HWND tree = FindWindowExA(browser, nullptr, WC_TREEVIEWA, nullptr);
  ASSERT_NE(tree, nullptr);
  const std::string name = folder.substr(folder.find_last_of('\\') + 1);
  const bool selected = gui::WaitUntil([&] {
    LRESULT ignored = 0;
    return gui::AskWithText(browser, BFFM_SETSELECTIONA, TRUE, folder, ignored) &&
           gui::WaitUntil([&] { return gui::SelectedTreeItemText(tree) == name; }, 500);
  });
  ASSERT_TRUE(selected) << folder << " never selected; the tree shows " << gui::SelectedTreeItemText(tree);
  ASSERT_TRUE(gui::Click(Control(browser, IDOK)));
  ASSERT_TRUE(WaitForBrowserGone(browser));
}

// Browsing stays on C:, which the shell's folder tree knows in every prefix; a drive linked
// into a prefix after its shell started shows in that tree only from the next start.
TEST(FolderPage, BrowsingAppendsTheProductFolderUnlessItIsThere) {
  const TempDir temp;
  const std::string tools = temp.File("Tools");
  Wizard wizard(PagesConfig(true));  // slot 5 empty: the product name is the product folder
  const std::string product = wizard.config.productName;
  std::string upper = product;
  std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char ch) { return std::toupper(ch); });
  ASSERT_TRUE(CreateDirectoryA(tools.c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryA((tools + "\\" + upper).c_str(), nullptr));
  HWND edit = wizard.ToFolderPage();
  ASSERT_NE(edit, nullptr);
  HWND page = GetParent(edit);
  EXPECT_EQ(ControlText(page, kBrowse), "Browse...");

  ASSERT_TRUE(gui::Click(Control(page, kBrowse)));
  HWND browser = WaitForBrowser(wizard);
  ASSERT_NE(browser, nullptr);
  EXPECT_EQ(ControlText(browser, IDOK), "OK");
  EXPECT_EQ(ControlText(browser, IDCANCEL), "Cancel");
  EXPECT_TRUE(HasChildWithText(browser, "t16")) << "the prompt above the tree";
  Choose(browser, tools);
  EXPECT_TRUE(gui::WaitUntil([&] { return gui::WindowText(edit) == tools + "\\" + product + "\\"; }))
      << gui::WindowText(edit);

  ASSERT_TRUE(gui::Click(Control(page, kBrowse)));
  browser = WaitForBrowser(wizard);
  ASSERT_NE(browser, nullptr);
  Choose(browser, tools + "\\" + upper);
  EXPECT_TRUE(gui::WaitUntil([&] { return gui::WindowText(edit) == tools + "\\" + upper + "\\"; }))
      << gui::WindowText(edit);

  ASSERT_TRUE(SetText(edit, "D:\\typed"));
  ASSERT_TRUE(gui::Click(Control(page, kBrowse)));
  browser = WaitForBrowser(wizard);
  ASSERT_NE(browser, nullptr);
  ASSERT_TRUE(gui::Click(Control(browser, IDCANCEL)));
  ASSERT_TRUE(WaitForBrowserGone(browser));
  EXPECT_EQ(gui::WindowText(edit), "D:\\typed") << "a cancelled browse changes nothing";
}

TEST(FolderPage, ChineseBrowserKeepsThePlatformsButtons) {
  Wizard wizard(PagesConfig(false));
  HWND edit = wizard.ToFolderPage();
  ASSERT_NE(edit, nullptr);
  ASSERT_TRUE(gui::Click(Control(GetParent(edit), kBrowse)));
  HWND browser = WaitForBrowser(wizard);
  ASSERT_NE(browser, nullptr);
  EXPECT_NE(ControlText(browser, IDOK), "OK");
  EXPECT_NE(ControlText(browser, IDCANCEL), "Cancel");
  ASSERT_TRUE(gui::Click(Control(browser, IDCANCEL)));
  ASSERT_TRUE(WaitForBrowserGone(browser));
}

TEST(FolderPage, RefusesUnsuitableLocationsAndInstallsAtADriveRoot) {
  ASSERT_EQ(GetDriveTypeA("D:\\"), static_cast<UINT>(DRIVE_FIXED)) << "the harness maps D: to a folder";
  const std::string root = "D:\\" + Unique("SkRoot");
  Wizard wizard(PagesConfig(true));
  HWND edit = wizard.ToFolderPage();
  ASSERT_NE(edit, nullptr);
  const struct {
    std::string typed, message;
  } refused[] = {
      {"D:\\", "Invalid driver!"},
      {"A:\\Demo", "Floppy driver!"},
      {"D:\\" + Unique("SkNoSuch") + "\\Demo", "Invalid folder!"},
  };
  for (const auto& c : refused) {
    SCOPED_TRACE(c.typed);
    ASSERT_TRUE(SetText(edit, c.typed));
    ASSERT_TRUE(wizard.Next());
    HWND box = WaitForMessageBox(wizard.program());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ControlText(box, kBoxText), c.message);
    EXPECT_EQ(gui::WindowText(box), wizard.config.productName);
    EXPECT_EQ(ControlText(box, kBoxButton1), "OK");
    EXPECT_FALSE(gui::IsShown(Control(box, kBoxButton2)));
    ASSERT_TRUE(gui::Click(Control(box, kBoxButton1)));
    ASSERT_TRUE(gui::WaitForWindowGone(box));
    EXPECT_TRUE(wizard.OnPageOf(edit));
  }

  ASSERT_TRUE(SetText(edit, root));
  ASSERT_TRUE(wizard.Next());
  ASSERT_TRUE(WaitForButton(wizard.sheet, kWizardFinish));
  EXPECT_TRUE(FileExists(root)) << "created directly on the drive";
  ASSERT_TRUE(gui::Click(Control(wizard.sheet, kWizardFinish)));
  EXPECT_TRUE(wizard.program().WaitForExit());
  EXPECT_EQ(RegText(HKEY_CURRENT_USER, "Software\\" + wizard.config.productKey, "InstallPath"), root) << "handed to setup";
  DriveDFolder::RemoveTree(root);
}

TEST(FolderPage, ChineseRefusalAndQuestion) {
  const DriveDFolder parent("SkSpaceZh");
  SetupConfig config = PagesConfig(false);
  config.requiredMegabytes = "99999999";
  Wizard wizard(config);
  HWND edit = wizard.ToFolderPage();
  ASSERT_NE(edit, nullptr);
  ASSERT_TRUE(SetText(edit, "D:\\"));
  ASSERT_TRUE(wizard.Next());
  HWND box = WaitForMessageBox(wizard.program());
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(ControlText(box, kBoxText), "\xce\xde\xd0\xa7\xb5\xc4\xc7\xfd\xb6\xaf\xc6\xf7!");  // 无效的驱动器!
  EXPECT_EQ(ControlText(box, kBoxButton1), "\xc8\xb7\xb6\xa8");                                      // 确定
  ASSERT_TRUE(gui::Click(Control(box, kBoxButton1)));
  ASSERT_TRUE(gui::WaitForWindowGone(box));

  ASSERT_TRUE(SetText(edit, parent.path() + "\\Demo"));
  ASSERT_TRUE(wizard.Next());
  box = WaitForMessageBox(wizard.program());
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(ControlText(box, kBoxText).rfind("\xb0\xb2\xd7\xb0\xd0\xe8\xd2\xaa" "99999999.0MB", 0), 0u);  // 安装需要
  EXPECT_EQ(ControlText(box, kBoxButton1), "\xd1\xa1\xd4\xf1");  // 选择
  EXPECT_EQ(ControlText(box, kBoxButton2), "\xd6\xd8\xca\xd4");  // 重试
  EXPECT_EQ(ControlText(box, kBoxButton3), "\xba\xf6\xc2\xd4");  // 忽略
  ASSERT_TRUE(gui::Click(Control(box, kBoxButton1)));
  ASSERT_TRUE(gui::WaitForWindowGone(box));
  EXPECT_TRUE(wizard.OnPageOf(edit));
}

TEST(FolderPage, FreeSpaceQuestionSelectRetryIgnore) {
  const DriveDFolder parent("SkSpace");
  const std::string folder = parent.path() + "\\Demo";
  SetupConfig config = PagesConfig(true);
  config.requiredMegabytes = "99999999";
  Wizard wizard(config);
  HWND edit = wizard.ToFolderPage();
  ASSERT_NE(edit, nullptr);
  ASSERT_TRUE(SetText(edit, folder));
  ASSERT_TRUE(wizard.Next());
  HWND box = WaitForMessageBox(wizard.program());
  ASSERT_NE(box, nullptr);
  const std::string question = ControlText(box, kBoxText);
  EXPECT_EQ(question.rfind("The setup need space 99999999.0 MB,but left only ", 0), 0u) << question;
  EXPECT_EQ(question.substr(question.size() - 6), ".0 MB.") << question;
  EXPECT_EQ(ControlText(box, kBoxButton1), "Select");
  EXPECT_EQ(ControlText(box, kBoxButton2), "Retry");
  EXPECT_EQ(ControlText(box, kBoxButton3), "Ignore");
  ASSERT_TRUE(gui::Click(Control(box, kBoxButton1)));
  ASSERT_TRUE(gui::WaitForWindowGone(box));
  EXPECT_TRUE(wizard.OnPageOf(edit)) << "Select returns to the page";
  EXPECT_FALSE(FileExists(folder));

  ASSERT_TRUE(wizard.Next());
  box = WaitForMessageBox(wizard.program());
  ASSERT_NE(box, nullptr);
  ASSERT_TRUE(gui::Click(Control(box, kBoxButton2)));
  ASSERT_TRUE(gui::WaitForWindowGone(box));
  box = WaitForMessageBox(wizard.program());
  ASSERT_NE(box, nullptr) << "Retry measures again and asks again";
  EXPECT_EQ(ControlText(box, kBoxText).rfind("The setup need space 99999999.0 MB", 0), 0u);
  EXPECT_FALSE(FileExists(folder));
  ASSERT_TRUE(gui::Click(Control(box, kBoxButton3)));
  ASSERT_TRUE(WaitForButton(wizard.sheet, kWizardFinish));
  EXPECT_TRUE(FileExists(folder)) << "Ignore goes on and creates the folder";
  ASSERT_TRUE(gui::Click(Control(wizard.sheet, kWizardFinish)));
  EXPECT_TRUE(wizard.program().WaitForExit());
}

}  // namespace
}  // namespace sk::test
