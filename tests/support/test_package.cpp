#include "support/test_package.h"

#include "package/package_trailer.h"
#include "package/token_list.h"

namespace sk::test {

BlockRef PackageBuilder::AddBlock(const std::string& data) {
  BlockRef ref{static_cast<std::int32_t>(data.size()), static_cast<std::int32_t>(bytes_.size())};
  bytes_ += data;
  return ref;
}

std::string PackageBuilder::Finish(const SetupConfig& config) {
  const std::string block = ScrambledBlock(WriteSetupConfig(config));
  const PackageTrailer trailer{static_cast<std::int32_t>(block.size()),
                               static_cast<std::int32_t>(bytes_.size())};
  return bytes_ + block + FormatPackageTrailer(trailer);
}

}  // namespace sk::test
