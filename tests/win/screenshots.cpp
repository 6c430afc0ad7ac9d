// Pictures of setup's windows for the documentation, taken through the GUI driver:
//
//   sk_screenshots OUTPUT_FOLDER
//
// writes message-zh.png and message-en.png (setup's message box), start-failure.png (setup
// without a package), splash.png (the splash with its preparing dialog) and background-fill0,
// -fill1 and -fill2.png (the background window in its three fill styles). Exit code 0 when
// every picture was written.
#include <windows.h>

#include <cstdio>
#include <string>

#include "resource_ids.h"
#include "win/child_process.h"
#include "win/driver/capture.h"
#include "win/driver/input.h"
#include "win/driver/windows.h"
#include "win/setup_gui.h"

namespace {

using namespace sk;
using namespace sk::test;

RECT Screen() { return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

bool Save(const std::optional<gui::Image>& image, const std::string& folder, const char* name) {
  const bool saved = image && gui::SavePng(*image, folder + name);
  std::printf("%s %s\n", saved ? "wrote" : "FAILED", name);
  return saved;
}

bool MessageBoxShot(const std::string& folder, const char* name, const std::string& arguments) {
  gui::Program probe(HostPath(SK_SHOW_MESSAGE_PROBE_EXE), {"\"" + arguments + "\"", {}});
  gui::WindowQuery query;
  query.processId = probe.id();
  query.className = "#32770";
  HWND box = gui::WaitForWindow(query);
  return box && Save(gui::CaptureWhenSettled(gui::ScreenRect(box)), folder, name);
}

bool StartFailureShot(const std::string& folder) {
  SetupWithoutPackage setup;
  HWND box = setup.WaitForBox();
  return box && Save(gui::CaptureWhenSettled(gui::ScreenRect(box)), folder, "start-failure.png");
}

bool SplashShot(const std::string& folder) {
  SetupConfig config;
  config.productName = "演示程序";
  config.uiTexts[0] = "TRUE";
  config.preparingCaption = "演示程序 1.0 安装";
  config.preparingMessage = "正在准备安装向导，请稍候……";
  config.preparingFont = "134:0:0:楷体_GB2312:-16:0:0:0:0:0:0:0:400:0";
  config.splashMillis = 20000;
  SetupUnderTest setup(config, SomeJpeg());
  setup.Start();
  HWND preparing = setup.WaitForTitle(config.preparingCaption);
  if (!preparing) return false;
  HWND progress = gui::Control(preparing, IDC_PREPARE_PROGRESS);
  gui::WaitUntil([&] { return gui::ProgressPosition(progress) >= 250; }, kChildTimeoutMs);
  return Save(gui::CaptureScreen(Screen()), folder, "splash.png");
}

bool BackgroundShot(const std::string& folder, int fill, std::uint32_t colour) {
  SetupConfig config;
  config.productName = "演示程序";
  config.backgroundEnabled = true;
  config.backgroundTitle = "演示程序 1.0 安装";
  config.backgroundTitleBar = true;
  config.backgroundColor = static_cast<std::int32_t>(colour);
  config.backgroundFill = fill;
  config.headline = "演示程序 1.0";
  config.headlineFont = "134:0:0:宋体:-32:0:0:0:0:0:0:0:700:0";
  config.headlineColor = 0xFFFFFF;
  SetupUnderTest setup(config);
  setup.Start({{"SETUPKIT_HOLD_AT_WIZARD", "1"}});
  HWND window = setup.WaitForTitle(config.backgroundTitle);
  if (!window) return false;
  const std::string name = "background-fill" + std::to_string(fill) + ".png";
  const bool saved = Save(gui::CaptureWhenSettled(Screen()), folder, name.c_str());
  gui::UseCloseBox(window);
  return saved;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: sk_screenshots OUTPUT_FOLDER\n");
    return 2;
  }
  const std::string folder = std::string(argv[1]) + "\\";
  bool ok = MessageBoxShot(folder, "message-zh.png",
                           "安装尚未完成。\\r\\n确实要退出安装程序吗？|演示程序 安装|2|2|是(&Y)|否(&N)||");
  ok &= MessageBoxShot(folder, "message-en.png",
                       "The file C:\\Demo\\Demo.ini already exists.\\r\\nDo you want to replace it?|"
                       "Demo Setup|1|3|Yes|No|Cancel|");
  ok &= StartFailureShot(folder);
  ok &= SplashShot(folder);
  ok &= BackgroundShot(folder, 0, 0x808000);
  ok &= BackgroundShot(folder, 1, 0xC06020);
  ok &= BackgroundShot(folder, 2, 0x804000);
  return ok ? 0 : 1;
}
