// A program for setup's finish page to start in place of a readme viewer, a program to run or a
// post-install program. It leaves <own path>.ran holding its current directory and its
// arguments. With the argument "hold" it then waits until <own path>.release exists (for at
// most a minute) and leaves <own path>.done before it ends.
#include <windows.h>

#include <string>

namespace {

constexpr DWORD kHoldLimitMs = 60000;
constexpr DWORD kPollMs = 20;

void Leave(const std::string& path, const std::string& text) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int) {
  char own[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, own, sizeof own);
  char current[MAX_PATH] = {};
  GetCurrentDirectoryA(sizeof current, current);
  const std::string self = own;
  const std::string args = arguments ? arguments : "";
  Leave(self + ".ran", std::string(current) + "\n" + args);
  if (args != "hold") return 0;
  const std::string release = self + ".release";
  for (DWORD waited = 0; waited < kHoldLimitMs; waited += kPollMs) {
    if (GetFileAttributesA(release.c_str()) != INVALID_FILE_ATTRIBUTES) {
      Leave(self + ".done", "");
      return 0;
    }
    Sleep(kPollMs);
  }
  return 1;
}
