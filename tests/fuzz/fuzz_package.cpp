// A whole setup file: trailer, configuration, media blocks and the uninstaller written from it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "package/file_io.h"
#include "scratch_folder.h"
#include "package/setup_loader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string folder = ScratchFolder();
  const std::string setup = folder + "setup.exe";
  {
    sk::File out = sk::File::CreateTruncate(setup);
    out.Write(data, size);
  }
  static const std::uint8_t unwise[] = {'M', 'Z', 1, 2, 3};
  static const std::uint8_t picture[] = {0xFF, 0xD8, 0xFF};
  sk::LoadedSetup loaded;
  sk::LoadSetupConfig(setup, folder, {unwise, picture}, loaded);
  // Blocks never outgrow the file they come from.
  if (loaded.sidePicture.size() > size + sizeof picture || loaded.splashPicture.size() > size ||
      loaded.backgroundPicture.size() > size)
    __builtin_trap();
  return 0;
}
