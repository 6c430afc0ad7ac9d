// The dialog templates of setup.exe and unwise.exe, created from the programs' own files: each
// control where its template puts it, and each dialog in its font.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resource_ids.h"

namespace sk {
namespace {

std::string HostPath(const char* unixPath) {
  std::string path = std::string("Z:") + unixPath;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

struct Control {
  int id;
  RECT units;  // x, y, width, height
  bool sizedByItsIcon = false;  // an icon control takes its icon's size
};

struct TemplateCase {
  const char* name;
  const char* program;
  int id;
  const char* face;  // GBK
  int points;
  SIZE units;  // the dialog's client size
  std::vector<Control> controls;
};

INT_PTR CALLBACK Quiet(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

class DialogTemplate : public testing::TestWithParam<TemplateCase> {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&classes);
    module_ = LoadLibraryExA(HostPath(GetParam().program).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module_, nullptr);
  }
  void TearDown() override {
    if (dialog_) DestroyWindow(dialog_);
    if (module_) FreeLibrary(module_);
  }
  HMODULE module_ = nullptr;
  HWND dialog_ = nullptr;
};

// Pixels of a rectangle given as x, y, width and height in dialog units, the way the dialog
// manager converts them: position and size each on their own.
RECT Units(HWND dialog, RECT r) {
  RECT position = {r.left, r.top, r.right, r.bottom};
  MapDialogRect(dialog, &position);
  return {position.left, position.top, position.left + position.right, position.top + position.bottom};
}

// Pages are child windows; they get a parent, as the sheet gives them one.
HWND CreateFromTemplate(HMODULE module, int id) {
  return CreateDialogParamA(module, MAKEINTRESOURCEA(id), GetDesktopWindow(), Quiet, 0);
}

TEST_P(DialogTemplate, ControlsAndFontAsDesigned) {
  const TemplateCase& c = GetParam();
  dialog_ = CreateFromTemplate(module_, c.id);
  ASSERT_NE(dialog_, nullptr);

  LOGFONTA font = {};
  ASSERT_TRUE(GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dialog_, WM_GETFONT, 0, 0)), sizeof font, &font));
  EXPECT_STREQ(font.lfFaceName, c.face);
  HDC dc = GetDC(dialog_);
  EXPECT_EQ(font.lfHeight, -MulDiv(c.points, GetDeviceCaps(dc, LOGPIXELSY), 72));
  ReleaseDC(dialog_, dc);

  RECT client = {};
  GetClientRect(dialog_, &client);
  const RECT size = Units(dialog_, {0, 0, c.units.cx, c.units.cy});
  EXPECT_EQ(client.right, size.right);
  EXPECT_EQ(client.bottom, size.bottom);

  for (const Control& control : c.controls) {
    HWND item = GetDlgItem(dialog_, control.id);
    ASSERT_NE(item, nullptr) << control.id;
    RECT r = {};
    GetWindowRect(item, &r);
    MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&r), 2);
    const RECT expected = Units(dialog_, control.units);
    EXPECT_EQ(r.left, expected.left) << control.id;
    EXPECT_EQ(r.top, expected.top) << control.id;
    if (control.sizedByItsIcon) continue;
    EXPECT_EQ(r.right, expected.right) << control.id;
    EXPECT_EQ(r.bottom, expected.bottom) << control.id;
  }
}

const char* const kSong = "宋体";
const char* const kKai = "楷体_GB2312";

INSTANTIATE_TEST_SUITE_P(
    Programs, DialogTemplate,
    testing::Values(
        TemplateCase{"MessageBox", SK_SETUP_EXE, IDD_MESSAGE, kSong, 10, {182, 50},
                     {{IDC_MESSAGE_BUTTON1, {20, 29, 43, 16}}, {IDC_MESSAGE_BUTTON2, {69, 29, 44, 16}},
                      {IDC_MESSAGE_BUTTON3, {120, 29, 43, 16}}, {IDC_MESSAGE_ICON, {7, 7, 20, 20}, true},
                      {IDC_MESSAGE_TEXT, {31, 10, 142, 12}}}},
        TemplateCase{"Prepare", SK_SETUP_EXE, IDD_PREPARE, kKai, 10, {227, 61},
                     {{IDCANCEL, {181, 41, 39, 13}}, {IDC_PREPARE_TEXT, {33, 12, 174, 28}},
                      {IDC_PREPARE_ICON, {7, 14, 20, 20}, true}, {IDC_PREPARE_PROGRESS, {7, 44, 170, 10}}}},
        TemplateCase{"Welcome", SK_SETUP_EXE, IDD_WELCOME, kSong, 9, {285, 180},
                     {{IDC_WELCOME_LINE1, {90, 5, 187, 8}}, {IDC_WELCOME_LINE2, {90, 19, 186, 8}},
                      {IDC_WELCOME_LINE6, {90, 75, 189, 8}}, {IDC_WELCOME_LINE11, {90, 146, 187, 8}},
                      {IDC_WELCOME_LINE12, {90, 160, 187, 8}}}},
        TemplateCase{"Agreement", SK_SETUP_EXE, IDD_AGREEMENT, kSong, 9, {285, 180},
                     {{IDC_AGREEMENT_LINE1, {91, 7, 190, 8}}, {IDC_AGREEMENT_LINE2, {91, 19, 190, 8}},
                      {IDC_AGREEMENT_TEXT, {91, 32, 191, 99}}, {IDC_AGREEMENT_ACCEPT, {123, 153, 84, 13}},
                      {IDC_AGREEMENT_DECLINE, {211, 153, 69, 13}}}},
        TemplateCase{"Folder", SK_SETUP_EXE, IDD_FOLDER, kSong, 9, {285, 180},
                     {{IDC_FOLDER_EDIT, {90, 133, 135, 14}}, {IDC_FOLDER_BROWSE, {230, 132, 50, 15}}}},
        TemplateCase{"Copying", SK_SETUP_EXE, IDD_COPYING, kSong, 9, {285, 180},
                     {{IDC_COPYING_HEADING, {87, 27, 195, 8}}, {IDC_COPYING_STATUS, {87, 49, 192, 19}},
                      {IDC_COPYING_ANIMATION, {88, 80, 185, 22}}, {IDC_COPYING_FILE_BAR, {87, 108, 186, 14}},
                      {IDC_COPYING_TIME, {87, 129, 193, 12}}, {IDC_COPYING_TOTAL_BAR, {87, 147, 186, 14}}}},
        TemplateCase{"Finish", SK_SETUP_EXE, IDD_FINISH, kSong, 9, {285, 180},
                     {{IDC_FINISH_LINE1, {87, 11, 193, 8}}, {IDC_FINISH_LINE2, {87, 26, 191, 8}},
                      {IDC_FINISH_DESKTOP, {89, 45, 191, 13}}, {IDC_FINISH_START_MENU, {89, 63, 190, 13}},
                      {IDC_FINISH_GROUP, {89, 81, 191, 13}}, {IDC_FINISH_README, {89, 107, 192, 13}},
                      {IDC_FINISH_RUN, {89, 123, 193, 13}}, {IDC_FINISH_CLOSING, {89, 149, 190, 8}}}},
        TemplateCase{"InsertDisk", SK_SETUP_EXE, IDD_INSERT_DISK, kSong, 10, {197, 55},
                     {{IDC_DISK_PROMPT, {7, 7, 183, 8}}, {IDC_DISK_FOLDER, {7, 19, 183, 13}}, {IDOK, {73, 36, 50, 14}}}},
        TemplateCase{"Unwise", SK_UNWISE_EXE, IDD_UNWISE, kSong, 9, {278, 205},
                     {{IDC_UNWISE_STATUS1, {87, 37, 184, 21}}, {IDC_UNWISE_STATUS2, {87, 62, 184, 20}},
                      {IDC_UNWISE_ANIMATION, {88, 95, 183, 34}}, {IDC_UNWISE_PROGRESS, {85, 139, 186, 17}},
                      {IDOK, {113, 185, 50, 14}}, {IDCANCEL, {201, 185, 50, 14}}}}),
    [](const auto& info) { return std::string(info.param.name); });

struct TextCase {
  int dialog, control;
  const char* text;  // GBK
};

TEST(DialogTemplateTexts, FixedTextsOfTheTemplates) {
  HMODULE setup = LoadLibraryExA(HostPath(SK_SETUP_EXE).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(setup, nullptr);
  for (const TextCase& c : {TextCase{IDD_PREPARE, 0, "安装向导"}, TextCase{IDD_PREPARE, IDCANCEL, "取消"},
                            TextCase{IDD_BACKGROUND, 0, "SETUP"},
                            TextCase{IDD_FINISH, IDC_FINISH_CLOSING, "           安装成功,谢谢使用!"},
                            TextCase{IDD_COPYING, IDC_COPYING_HEADING, "正在安装文件,请稍候..."},
                            TextCase{IDD_INSERT_DISK, IDOK, "确定"}}) {
    HWND dialog = CreateFromTemplate(setup, c.dialog);
    ASSERT_NE(dialog, nullptr) << c.dialog;
    char text[128] = {};
    GetWindowTextA(c.control ? GetDlgItem(dialog, c.control) : dialog, text, sizeof text);
    EXPECT_STREQ(text, c.text) << c.dialog << " " << c.control;
    DestroyWindow(dialog);
  }
  FreeLibrary(setup);
}

std::string ResourceOf(HMODULE module, int id, const char* type) {
  HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(id), type);
  HGLOBAL data = info ? LoadResource(module, info) : nullptr;
  const char* bytes = data ? static_cast<const char*>(LockResource(data)) : nullptr;
  return bytes ? std::string(bytes, SizeofResource(module, info)) : std::string();
}

TEST(ProgramResources, ManifestAndVersionOfBothPrograms) {
  for (const char* program : {SK_SETUP_EXE, SK_UNWISE_EXE}) {
    HMODULE module = LoadLibraryExA(HostPath(program).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr) << program;
    const std::string manifest = ResourceOf(module, 1, MAKEINTRESOURCEA(24));  // RT_MANIFEST
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos) << program;
    EXPECT_NE(manifest.find("level=\"requireAdministrator\""), std::string::npos) << program;
    EXPECT_NE(manifest.find("supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\""), std::string::npos);
    EXPECT_EQ(manifest.find("dpiAware"), std::string::npos) << "the system scales the windows";
    const std::string version = ResourceOf(module, 1, MAKEINTRESOURCEA(16));  // RT_VERSION
    ASSERT_GT(version.size(), sizeof(VS_FIXEDFILEINFO)) << program;
    const std::wstring signature = L"VS_VERSION_INFO";
    EXPECT_NE(version.find(std::string(reinterpret_cast<const char*>(signature.c_str()), signature.size() * 2)),
              std::string::npos);
    FreeLibrary(module);
  }
}

}  // namespace
}  // namespace sk
