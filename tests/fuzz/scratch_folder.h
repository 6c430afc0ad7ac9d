// A folder of this fuzzing process's own for the files a target writes.
#pragma once

#include <stdlib.h>

#include <string>

inline const std::string& ScratchFolder() {
  static const std::string folder = [] {
    char pattern[] = "/tmp/sk-fuzz-XXXXXX";
    const char* made = mkdtemp(pattern);
    return made ? std::string(made) + "/" : std::string("/tmp/");
  }();
  return folder;
}
