// A stand-in for a long-running step of a package (its setup.bat calls it): leaves the marker
// named first, then waits until the file named second exists, for at most a minute.
#include <windows.h>

#include <cstdio>

namespace {

constexpr DWORD kLongestWaitMs = 60000;
constexpr DWORD kPollMs = 50;

bool Exists(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  if (std::FILE* marker = std::fopen(argv[1], "wb")) std::fclose(marker);
  for (DWORD waited = 0; waited < kLongestWaitMs; waited += kPollMs) {
    if (Exists(argv[2])) return 0;
    Sleep(kPollMs);
  }
  return 1;
}
