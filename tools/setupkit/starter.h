// `setupkit new`: a commented starter manifest with small example assets.
#pragma once

#include <cstddef>
#include <string>

namespace sk::tool {

struct StarterFile {
  const char* name;  // relative path, '/' separated
  const unsigned char* bytes;
  std::size_t size;
};

extern const StarterFile kStarterFiles[];
extern const std::size_t kStarterFileCount;

// Writes the starter files into folder (created when missing). Throws UserError when a file
// would be overwritten, before writing anything.
void WriteStarter(const std::string& folder);

}  // namespace sk::tool
