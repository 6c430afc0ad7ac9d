// Packages for tests, made with the library's own writer: a stub, blocks at known offsets, the
// scrambled configuration and the trailer.
#pragma once

#include <string>

#include "package/setup_config.h"

namespace sk::test {

class PackageBuilder {
 public:
  explicit PackageBuilder(std::string stub) : bytes_(std::move(stub)) {}

  // Appends a block and returns where it lies.
  BlockRef AddBlock(const std::string& data);
  // Appends the configuration and the trailer; returns the whole package.
  std::string Finish(const SetupConfig& config);

 private:
  std::string bytes_;
};

}  // namespace sk::test
