// The wizard's side panel under the driver: where it sits and how it follows the wizard, the
// picture it shows with no Flash control in the prefix, and, with a stand-in control registered
// under the Flash class id, the calls that start and restart the movie, the swallowed
// right-click and the activation that stays with the wizard.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "shared/com_helpers.h"
#include "shared/picture.h"
#include "support/temp_dir.h"
#include "support/test_package.h"
#include "win/child_process.h"
#include "win/driver/capture.h"
#include "win/driver/input.h"
#include "win/driver/program.h"
#include "win/driver/windows.h"
#include "win/flash_standin/standin_protocol.h"
#include "win/setup_gui.h"
#include "win/wizard_gui.h"

namespace sk::test {
namespace {

constexpr int kPanelWidth = 120, kPanelHeight = 250;
constexpr int kSecondAnswer = 1102;  // of the Cancel question
constexpr DWORD kMovieCheckMs = 3000;  // the panel's timer period
const std::string kMovie = "FWS\x08 a movie only the stand-in plays";

// A package whose side block is the given picture or movie.
struct PanelPackage {
  SetupConfig config;
  std::string side;

  PanelPackage(bool flash, std::string sideBlock)
      : config(EnglishWizardConfig("SkPanel" + std::to_string(GetCurrentProcessId()), "1.0")),
        side(std::move(sideBlock)) {
    config.sideIsFlash = flash;
  }

  std::string Write(const TempDir& folder) const {
    PackageBuilder builder(ReadAll(HostPath(SK_SETUP_EXE)));
    SetupConfig packaged = config;
    packaged.sidePicture = builder.AddBlock(side);
    const std::string path = folder.File("setup.exe");
    WriteAll(path, builder.Finish(packaged));
    return path;
  }
};

// setup with a package of the test's own, its temporary folder and the stand-in's log.
struct PanelRun {
  TempDir folder, temp, logs;
  std::string log = logs.File("standin.log");
  gui::Program program;

  explicit PanelRun(const PanelPackage& package)
      : program(package.Write(folder), gui::LaunchOptions{"", {{"TEMP", temp.path()},
                                                               {"TMP", temp.path()},
                                                               {kStandinLogVariable, log}}}) {}

  HWND WaitForWizard(const std::string& title) { return sk::test::WaitForWizard(program, title); }

  // The panel: a dialog of setup's owned by the wizard, once the wizard has shown it.
  HWND WaitForPanel(HWND sheet) {
    gui::WindowQuery query;
    query.processId = program.id();
    query.className = "#32770";
    query.owner = sheet;
    return gui::WaitForWindow(query);
  }

  std::string PrivateFolder() const {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(temp.File("setupkit-setup-*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return {};
    FindClose(search);
    return temp.File(found.cFileName) + "\\";
  }

  std::vector<std::string> LogLines() const {
    std::vector<std::string> lines;
    const std::string text = GetFileAttributesA(log.c_str()) == INVALID_FILE_ATTRIBUTES ? "" : ReadAll(log);
    for (std::size_t start = 0; start < text.size();) {
      const std::size_t end = text.find('\n', start);
      if (end == std::string::npos) break;  // a line still being written
      lines.push_back(text.substr(start, end - start));
      start = end + 1;
    }
    return lines;
  }

  // Cancel, answered with the second button, which lets the wizard close; then setup ends.
  bool CancelWizard(HWND sheet) {
    if (!gui::Click(gui::Control(sheet, IDCANCEL))) return false;
    HWND answer = nullptr;
    gui::WindowQuery query;
    query.processId = program.id();
    query.className = "#32770";
    gui::WaitUntil([&] {
      for (HWND box : gui::FindWindows(query))
        if ((answer = gui::Control(box, kSecondAnswer))) return true;
      return false;
    });
    // Under Wine the wizard takes some seconds to close after a Cancel.
    return answer && gui::Click(answer) && program.WaitForExit(gui::DefaultWaitMs() * 3).has_value();
  }
};

// The panel's rectangle for the wizard's, as the wizard keeps it.
bool PanelFollows(HWND panel, HWND sheet) {
  const RECT p = gui::ScreenRect(panel), w = gui::ScreenRect(sheet);
  return p.left == w.left + 13 && p.top == w.top + 40 && p.right - p.left == kPanelWidth &&
         p.bottom - p.top == kPanelHeight;
}

bool MovesWithTheWizard(HWND panel, HWND sheet) {
  const RECT w = gui::ScreenRect(sheet);
  if (!SetWindowPos(sheet, nullptr, w.left + 37, w.top + 21, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE))
    return false;
  return gui::WaitUntil([&] { return gui::ScreenRect(sheet).left == w.left + 37 && PanelFollows(panel, sheet); });
}

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

bool IsPlayingQuery(const std::string& line) { return line.rfind("call 129 -> ", 0) == 0; }

std::vector<std::string> WithoutPlayingQueries(std::vector<std::string> lines) {
  lines.erase(std::remove_if(lines.begin(), lines.end(), IsPlayingQuery), lines.end());
  return lines;
}

std::string PixelText(const gui::Rgb& c) {
  return std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue);
}

bool Near(const gui::Rgb& a, const gui::Rgb& b) {
  return std::abs(a.red - b.red) <= 8 && std::abs(a.green - b.green) <= 8 && std::abs(a.blue - b.blue) <= 8;
}

// Points well inside the panel's client area, away from its edge.
std::vector<POINT> InnerPoints() {
  std::vector<POINT> points;
  for (int x : {8, 35, 60, 85, 111})
    for (int y : {8, 70, 125, 180, 241}) points.push_back({x, y});
  return points;
}

// The picture as the panel draws it: stretched over the panel's whole window rectangle.
std::optional<gui::Image> RenderPicture(const std::string& bytes) {
  const ComApartment ole;
  CPicture picture;
  if (!picture.LoadFromMemory(bytes.data(), static_cast<long>(bytes.size()))) return std::nullopt;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, kPanelWidth, kPanelHeight);
  ReleaseDC(nullptr, screen);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  const bool drawn = picture.Draw(dc, 0, 0, kPanelWidth, kPanelHeight);
  SelectObject(dc, previous);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = kPanelWidth;
  info.bmiHeader.biHeight = -kPanelHeight;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  const int stride = (kPanelWidth * 3 + 3) & ~3;
  std::vector<std::uint8_t> bits(static_cast<std::size_t>(stride) * kPanelHeight);
  const int rows = GetDIBits(dc, bitmap, 0, kPanelHeight, bits.data(), &info, DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(dc);
  if (!drawn || rows != kPanelHeight) return std::nullopt;
  gui::Image image;
  image.width = kPanelWidth;
  image.height = kPanelHeight;
  for (int y = 0; y < kPanelHeight; ++y)
    for (int x = 0; x < kPanelWidth; ++x) {
      const std::uint8_t* bgr = &bits[static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x) * 3];
      image.rgb.insert(image.rgb.end(), {bgr[2], bgr[1], bgr[0]});
    }
  return image;
}

// A 4 x 4 picture of one colour, as a BMP file.
std::string SolidBmp(gui::Rgb colour) {
  std::string bytes = "BM";
  auto put = [&](std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
  };
  put(14 + 40 + 48, 4), put(0, 4), put(14 + 40, 4);
  put(40, 4), put(4, 4), put(4, 4), put(1, 2), put(24, 2), put(0, 4), put(48, 4), put(2835, 4), put(2835, 4);
  put(0, 4), put(0, 4);
  for (int i = 0; i < 16; ++i)
    bytes += {static_cast<char>(colour.blue), static_cast<char>(colour.green), static_cast<char>(colour.red)};
  return bytes;
}

// The panel shows expected at every inner point once it has painted.
void ExpectPanelShows(HWND panel, const gui::Image& expected) {
  std::string mismatch;
  const bool shown = gui::WaitUntil([&] {
    const auto image = gui::CaptureWindow(panel);
    if (!image || image->width != kPanelWidth || image->height != kPanelHeight) {
      mismatch = "no capture of the panel's size";
      return false;
    }
    for (const POINT& p : InnerPoints()) {
      const gui::Rgb seen = image->Pixel(p.x, p.y), wanted = expected.Pixel(p.x, p.y);
      if (!Near(seen, wanted)) {
        mismatch = "at " + std::to_string(p.x) + "," + std::to_string(p.y) + ": " + PixelText(seen) + " instead of " +
                   PixelText(wanted);
        return false;
      }
    }
    return true;
  });
  EXPECT_TRUE(shown) << mismatch;
}

// The stand-in control, registered for the current user while the object lives.
class RegisteredStandin {
 public:
  RegisteredStandin() : dll_(LoadLibraryA(HostPath(SK_FLASH_STANDIN_DLL).c_str())) {
    registered_ = Call("DllRegisterServer");
  }
  ~RegisteredStandin() {
    if (registered_) Call("DllUnregisterServer");
    if (dll_) FreeLibrary(dll_);
  }
  bool ok() const { return registered_; }

 private:
  bool Call(const char* name) const {
    using Export = HRESULT(WINAPI*)();
    const auto function = dll_ ? reinterpret_cast<Export>(GetProcAddress(dll_, name)) : nullptr;
    return function && SUCCEEDED(function());
  }

  HMODULE dll_;
  bool registered_ = false;
};

TEST(SidePanel, ShowsThePackagesPictureAtTheWizardsLeftAndFollowsIt) {
  const gui::Rgb colour = {200, 30, 60};
  PanelPackage package(false, SolidBmp(colour));
  PanelRun run(package);
  HWND sheet = run.WaitForWizard(package.config.productName);
  ASSERT_NE(sheet, nullptr);
  HWND panel = run.WaitForPanel(sheet);
  ASSERT_NE(panel, nullptr);
  EXPECT_TRUE(PanelFollows(panel, sheet));
  EXPECT_FALSE(gui::HasStyle(panel, WS_CAPTION));
  EXPECT_TRUE(GetWindowLongPtrA(panel, GWL_EXSTYLE) & WS_EX_STATICEDGE);
  EXPECT_EQ(FindWindowExA(panel, nullptr, nullptr, nullptr), nullptr) << "no control without the Flash switch";
  gui::Image solid;
  solid.width = kPanelWidth;
  solid.height = kPanelHeight;
  for (int i = 0; i < kPanelWidth * kPanelHeight; ++i)
    solid.rgb.insert(solid.rgb.end(), {colour.red, colour.green, colour.blue});
  ExpectPanelShows(panel, solid);
  EXPECT_TRUE(MovesWithTheWizard(panel, sheet));
  EXPECT_TRUE(run.CancelWizard(sheet));
}

TEST(SidePanel, ShowsTheBuiltInPictureWhenTheFlashControlIsMissing) {
  PanelPackage package(true, kMovie);
  PanelRun run(package);
  HWND sheet = run.WaitForWizard(package.config.productName);
  ASSERT_NE(sheet, nullptr);
  HWND panel = run.WaitForPanel(sheet);
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(FindWindowExA(panel, nullptr, nullptr, nullptr), nullptr);
  const auto builtin = RenderPicture(SomeJpeg());
  ASSERT_TRUE(builtin);
  ExpectPanelShows(panel, *builtin);
  // The movie was still taken out, for a control that is not there.
  EXPECT_EQ(ReadAll(run.PrivateFolder() + "mirl.swf"), kMovie);
  EXPECT_TRUE(run.CancelWizard(sheet));
}

TEST(SidePanel, PlaysTheMovieThroughTheControlAndKeepsItPlaying) {
  RegisteredStandin standin;
  ASSERT_TRUE(standin.ok());
  PanelPackage package(true, kMovie);
  PanelRun run(package);
  HWND sheet = run.WaitForWizard(package.config.productName);
  ASSERT_NE(sheet, nullptr);
  HWND panel = run.WaitForPanel(sheet);
  ASSERT_NE(panel, nullptr);
  EXPECT_TRUE(PanelFollows(panel, sheet));
  HWND control = FindWindowExA(panel, nullptr, kStandinWindowClass, nullptr);
  ASSERT_NE(control, nullptr) << Joined(run.LogLines());

  // Created hidden, shown on the panel's first paint, then the movie's four properties.
  const std::string movie = run.PrivateFolder() + "mirl.swf";
  EXPECT_EQ(ReadAll(movie), kMovie);
  const std::vector<std::string> started = {"ole SetClientSite", "ole DoVerb -5",   "window hidden",
                                            "window shown",      "put 102 BSTR " + movie, "put 106 BOOL -1",
                                            "put 120 I4 2",      "put 125 BOOL -1"};
  std::vector<std::string> lines;
  EXPECT_TRUE(gui::WaitUntil([&] { return WithoutPlayingQueries(lines = run.LogLines()).size() >= started.size(); }));
  EXPECT_EQ(WithoutPlayingQueries(lines), started) << Joined(lines);
  EXPECT_TRUE(gui::IsShown(control));

  // Repainting does not start the movie again; the paint (re)starts the timer, whose next
  // question shows the paint has been handled.
  std::size_t seen = run.LogLines().size();
  ASSERT_TRUE(RedrawWindow(panel, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN));
  EXPECT_TRUE(gui::WaitUntil([&] { return run.LogLines().size() > seen; }, kMovieCheckMs + gui::DefaultWaitMs()));
  lines = run.LogLines();
  EXPECT_EQ(lines.back(), "call 129 -> -1");
  EXPECT_EQ(WithoutPlayingQueries(lines), started);

  // A right-click never reaches the control as a press; a left click does, and the wizard
  // stays the active window.
  const RECT r = gui::ScreenRect(panel);
  const POINT middle = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  ASSERT_TRUE(gui::ClickAt(middle, true));
  ASSERT_TRUE(gui::ClickAt(middle));
  EXPECT_TRUE(gui::WaitUntil([&] { return Contains(run.LogLines(), "window lbuttonup"); }));
  lines = run.LogLines();
  EXPECT_TRUE(Contains(lines, "window rbuttonup"));
  EXPECT_FALSE(Contains(lines, "window rbuttondown"));
  EXPECT_TRUE(Contains(lines, "window lbuttondown"));
  EXPECT_EQ(GetForegroundWindow(), sheet);

  // A stopped movie is asked about and started again by the timer.
  seen = run.LogLines().size();
  ASSERT_TRUE(PostMessageA(control, kStandinStopMessage, 0, 0));
  EXPECT_TRUE(
      gui::WaitUntil([&] { return Contains(run.LogLines(), "call 112"); }, kMovieCheckMs + gui::DefaultWaitMs()));
  lines = run.LogLines();
  const std::vector<std::string> restart(lines.begin() + static_cast<std::ptrdiff_t>(seen), lines.end());
  const std::vector<std::string> expectedRestart = {"window stop", "call 129 -> 0", "call 112"};
  ASSERT_GE(restart.size(), expectedRestart.size());
  EXPECT_EQ(std::vector<std::string>(restart.begin(), restart.begin() + 3), expectedRestart);

  EXPECT_TRUE(MovesWithTheWizard(panel, sheet));

  // The control is deactivated, closed and released with the wizard.
  ASSERT_TRUE(run.CancelWizard(sheet));
  lines = WithoutPlayingQueries(run.LogLines());
  ASSERT_GE(lines.size(), 4u);
  const std::vector<std::string> ended(lines.end() - 4, lines.end());
  EXPECT_EQ(ended, (std::vector<std::string>{"ole InPlaceDeactivate", "ole Close", "ole SetClientSite none",
                                             "ole released"}));
}

}  // namespace
}  // namespace sk::test
