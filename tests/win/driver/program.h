// A program under test, started the way a user's shell starts it, inside a job object so that
// everything it starts can be ended with it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "win/driver/wait.h"

namespace sk::gui {

struct LaunchOptions {
  std::string arguments;  // put after the quoted program path on its command line
  // Variables set for the program on top of this process's environment (TEMP and TMP for a
  // folder of the test's own, say). Names compare without letter case, as Windows does.
  std::vector<std::pair<std::string, std::string>> environment;
};

class Program {
 public:
  Program(const std::string& path, const LaunchOptions& options = {});
  // Ends the program and whatever it started if they are still running.
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  bool started() const { return process_ != nullptr; }
  DWORD id() const { return id_; }
  bool running() const;
  // The exit code, or nothing when the program still runs after timeoutMs.
  std::optional<DWORD> WaitForExit(DWORD timeoutMs = DefaultWaitMs());
  // Ends the program and everything it started, and waits (bounded) until they are gone.
  void Kill();

 private:
  HANDLE job_ = nullptr;
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
};

// This process's environment block with the given variables replaced or added.
std::string EnvironmentWith(const std::vector<std::pair<std::string, std::string>>& overrides);

}  // namespace sk::gui
