// Running the programs under test as child processes, the way a user's shell would start them.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace sk::test {

// A build-tree path of the host as Windows programs under Wine see it (the Z: drive).
std::string HostPath(const char* unixPath);

struct ChildOptions {
  std::string tempFolder;  // becomes TEMP and TMP, so each test has its own temporary files
  bool suppressUi = true;  // sets the programs' test switch
};

// One started program. The destructor kills it if it is still running, so that a failing
// test leaves nothing behind.
class ChildProcess {
 public:
  ChildProcess(const std::string& program, const ChildOptions& options);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool started() const { return info_.hProcess != nullptr; }
  DWORD id() const { return info_.dwProcessId; }
  // The exit code, or nothing when the program is still running after timeoutMs.
  std::optional<DWORD> Wait(DWORD timeoutMs);

 private:
  PROCESS_INFORMATION info_ = {};
};

// Every wait for a program under test is bounded by this.
inline constexpr DWORD kChildTimeoutMs = 30000;

// Starts the program, waits for it, and gives its exit code; nothing when it could not be
// started or did not end in time.
std::optional<DWORD> RunChild(const std::string& program, const ChildOptions& options);

}  // namespace sk::test
