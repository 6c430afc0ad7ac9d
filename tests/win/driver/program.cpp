#include "win/driver/program.h"

#include <cstring>
#include <string_view>

namespace sk::gui {
namespace {

// The name part of a "NAME=value" entry.
std::string_view NameOf(std::string_view entry) {
  // Entries such as "=C:=C:\" start with their separator; their name includes it.
  const size_t equals = entry.find('=', 1);
  return entry.substr(0, equals == std::string_view::npos ? entry.size() : equals);
}

bool IsOverridden(std::string_view name,
                  const std::vector<std::pair<std::string, std::string>>& overrides) {
  for (const auto& [overridden, value] : overrides)
    if (name.size() == overridden.size() && _strnicmp(name.data(), overridden.data(), name.size()) == 0)
      return true;
  return false;
}

}  // namespace

std::string EnvironmentWith(const std::vector<std::pair<std::string, std::string>>& overrides) {
  std::string block;
  char* strings = GetEnvironmentStringsA();
  for (const char* entry = strings; *entry; entry += std::strlen(entry) + 1) {
    if (IsOverridden(NameOf(entry), overrides)) continue;
    block.append(entry).push_back('\0');
  }
  FreeEnvironmentStringsA(strings);
  for (const auto& [name, value] : overrides) block.append(name + "=" + value).push_back('\0');
  block.push_back('\0');
  return block;
}

Program::Program(const std::string& path, const LaunchOptions& options) {
  std::string environment = EnvironmentWith(options.environment);
  std::string commandLine = "\"" + path + "\"";
  if (!options.arguments.empty()) commandLine += " " + options.arguments;

  job_ = CreateJobObjectA(nullptr, nullptr);
  if (job_) {
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &limits, sizeof limits);
  }
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  // Suspended until it is in the job, so nothing it starts can escape the job.
  if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                      environment.data(), nullptr, &startup, &info))
    return;
  if (job_) AssignProcessToJobObject(job_, info.hProcess);
  ResumeThread(info.hThread);
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  id_ = info.dwProcessId;
}

Program::~Program() {
  Kill();
  if (process_) CloseHandle(process_);
  if (job_) CloseHandle(job_);
}

bool Program::running() const {
  return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> Program::WaitForExit(DWORD timeoutMs) {
  DWORD code = 0;
  if (!process_ || WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0 ||
      !GetExitCodeProcess(process_, &code))
    return std::nullopt;
  return code;
}

void Program::Kill() {
  if (job_) TerminateJobObject(job_, 1);
  if (running()) TerminateProcess(process_, 1);
  if (process_) WaitForSingleObject(process_, DefaultWaitMs());
}

}  // namespace sk::gui
