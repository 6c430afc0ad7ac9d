#include "win/child_process.h"

#include <cstring>
#include <string_view>

namespace sk::test {
namespace {

bool IsVariable(std::string_view entry, std::string_view name) {
  return entry.size() > name.size() && entry[name.size()] == '=' &&
         _strnicmp(entry.data(), name.data(), name.size()) == 0;
}

// This process's environment with TEMP, TMP and the test switch replaced, as a block for
// CreateProcessA.
std::string ChildEnvironment(const ChildOptions& options) {
  std::string block;
  char* strings = GetEnvironmentStringsA();
  for (const char* entry = strings; *entry; entry += std::strlen(entry) + 1) {
    const std::string_view e(entry);
    if (IsVariable(e, "TEMP") || IsVariable(e, "TMP") || IsVariable(e, "SETUPKIT_NO_UI") ||
        IsVariable(e, "SETUPKIT_HOLD_AT_WIZARD"))
      continue;
    block.append(e).push_back('\0');
  }
  FreeEnvironmentStringsA(strings);
  for (const char* name : {"TEMP=", "TMP="}) block.append(name).append(options.tempFolder).push_back('\0');
  if (options.suppressUi) block.append("SETUPKIT_NO_UI=1").push_back('\0');
  // These tests look at start-up and shutdown: setup goes from one to the other without a wizard.
  block.append("SETUPKIT_HOLD_AT_WIZARD=1").push_back('\0');
  block.push_back('\0');
  return block;
}

}  // namespace

std::string HostPath(const char* unixPath) {
  std::string path = std::string("Z:") + unixPath;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

ChildProcess::ChildProcess(const std::string& program, const ChildOptions& options) {
  std::string environment = ChildEnvironment(options);
  std::string commandLine = "\"" + program + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                      environment.data(), nullptr, &startup, &info_))
    info_ = {};
}

ChildProcess::~ChildProcess() {
  if (!started()) return;
  if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(info_.hProcess, 1);
    WaitForSingleObject(info_.hProcess, kChildTimeoutMs);
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

std::optional<DWORD> ChildProcess::Wait(DWORD timeoutMs) {
  DWORD code = 0;
  if (!started() || WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0 ||
      !GetExitCodeProcess(info_.hProcess, &code))
    return std::nullopt;
  return code;
}

std::optional<DWORD> RunChild(const std::string& program, const ChildOptions& options) {
  ChildProcess child(program, options);
  return child.Wait(kChildTimeoutMs);
}

}  // namespace sk::test
