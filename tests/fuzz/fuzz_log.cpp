// A setup.log as unwise reads it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "package/setup_log.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const sk::SetupLogContent log = sk::ReadSetupLog(std::string(reinterpret_cast<const char*>(data), size));
  for (const auto& ext : log.extensions)
    if (ext.empty() || ext.size() > sk::kMaxExtensionBytes) __builtin_trap();
  for (const auto& file : log.files)
    if (file.empty() || file.size() > size) __builtin_trap();
  return 0;
}
