// A compressed entry's bytes, unpacked in place as setup unpacks them.
#include <cstddef>
#include <cstdint>
#include <string>

#include "install/file_install.h"
#include "package/file_io.h"
#include "scratch_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string source = ScratchFolder() + "entry.zip";
  const std::string destination = ScratchFolder() + "member";
  {
    sk::File out = sk::File::CreateTruncate(source);
    out.Write(data, size);
  }
  sk::ExtractZipMember(source, destination, 0, -1, 0, nullptr);
  // Never more than a member can declare from these bytes: the writer is capped.
  sk::File written = sk::File::OpenRead(destination);
  if (written.IsOpen() && written.Size() > (std::int64_t{1} << 32)) __builtin_trap();
  return 0;
}
