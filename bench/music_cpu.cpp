// Holds setup.exe with a package of background music (or without music, for comparison) at
// its background window for a while and then closes it, so that bench/music_cpu.sh can read
// setup's CPU time from the host meanwhile (Wine's GetProcessTimes reports nothing for another
// process). Under Wine there is no sound device, so the music device never opens and the music
// thread only keeps asking it for its mode.
// Usage: music_cpu.exe SETUP.EXE WORK_FOLDER EXTENSION|- SECONDS
// Prints "ready" once setup's window shows, and ends with 0 when setup ended after the close.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "package/setup_config.h"
#include "support/temp_dir.h"
#include "support/test_package.h"

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: music_cpu SETUP.EXE WORK_FOLDER EXTENSION|- SECONDS\n");
    return 2;
  }
  std::string folder = argv[2];
  if (folder.back() != '\\') folder += '\\';
  const std::string extension = std::string(argv[3]) == "-" ? "" : argv[3];
  const DWORD holdMs = static_cast<DWORD>(std::atoi(argv[4]) * 1000);

  sk::SetupConfig config;
  config.productName = "Bench";
  config.backgroundEnabled = true;
  config.backgroundTitle = "Bench setup";
  config.musicExtension = extension;
  sk::test::PackageBuilder builder(sk::test::ReadAll(argv[1]));
  if (!extension.empty()) config.music = builder.AddBlock(std::string(4096, 'M'));
  const std::string setup = folder + "bench_setup.exe";
  sk::test::WriteAll(setup, builder.Finish(config));

  SetEnvironmentVariableA("TEMP", folder.c_str());
  SetEnvironmentVariableA("TMP", folder.c_str());
  SetEnvironmentVariableA("SETUPKIT_HOLD_AT_WIZARD", "1");
  STARTUPINFOA startup = {sizeof startup};
  PROCESS_INFORMATION process = {};
  std::string command = "\"" + setup + "\"";
  if (!CreateProcessA(setup.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process))
    return 1;
  HWND window = nullptr;
  for (int i = 0; i < 200 && !window; ++i) {
    Sleep(50);
    window = FindWindowA(nullptr, config.backgroundTitle.c_str());
  }
  if (window) {
    std::printf("ready\n");
    std::fflush(stdout);
    Sleep(holdMs);
    PostMessageA(window, WM_CLOSE, 0, 0);
  }
  const bool ended = WaitForSingleObject(process.hProcess, 10000) == WAIT_OBJECT_0;
  if (!ended) TerminateProcess(process.hProcess, 99);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  DeleteFileA(setup.c_str());
  return window && ended ? 0 : 1;
}
