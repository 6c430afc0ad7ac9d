// A configuration block: the setup configuration and the uninstaller settings read from it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "package/setup_config.h"
#include "package/uninstall_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  sk::CTokenList tokens;
  tokens.LoadBytes(bytes, sk::kPackageKey);
  const sk::SetupConfig config = sk::ReadSetupConfig(tokens);
  if (config.productName.size() > 255 || config.fileTypes[0].extension.size() > 3) __builtin_trap();
  for (const auto& file : config.files)
    if (file.name.empty() || file.name.size() > 255) __builtin_trap();

  sk::CTokenList again;
  again.LoadBytes(bytes, sk::kPackageKey);
  (void)sk::ReadUninstallSettings(again);
  // Whatever was read is written back as a readable package configuration.
  sk::CTokenList rewritten;
  rewritten.LoadBytes(sk::ScrambledBlock(sk::WriteSetupConfig(config)), sk::kPackageKey);
  if (sk::ReadSetupConfig(rewritten).files.size() != config.files.size()) __builtin_trap();
  return 0;
}
