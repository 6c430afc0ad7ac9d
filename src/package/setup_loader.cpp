#include "setup_loader.h"

#include "file_io.h"
#include "package_trailer.h"
#include "range_io.h"
#include "uninstall_settings.h"

namespace sk {
namespace {

std::vector<std::uint8_t> ReadBlock(const std::string& path, const BlockRef& block) {
  auto bytes = ReadRange(path, block.length, block.offset);
  return bytes ? std::move(*bytes) : std::vector<std::uint8_t>();
}

// Pictures, movie and animation, taken out in this order.
void TakeOutMedia(const std::string& ownPath, const SetupResources& resources, LoadedSetup& out) {
  const SetupConfig& c = out.config;
  const std::vector<std::uint8_t> builtin(resources.builtinPicture.begin(),
                                          resources.builtinPicture.end());
  if (c.sidePicture.present() && !c.sideIsFlash) {
    out.sidePicture = ReadBlock(ownPath, c.sidePicture);
  } else {
    // A Flash movie, or no side picture at all: the built-in picture stands in.
    if (c.sidePicture.present()) ExtractRange(out.moviePath, ownPath, c.sidePicture.offset, c.sidePicture.length);
    out.sidePicture = builtin;
    out.sidePictureIsBuiltin = true;
  }
  if (c.backgroundEnabled && c.backgroundPicture.present())
    out.backgroundPicture = ReadBlock(ownPath, c.backgroundPicture);
  if (c.splashPicture.present()) out.splashPicture = ReadBlock(ownPath, c.splashPicture);
  // Always written, so the copying page finds a file; absent means empty (a negative length
  // would otherwise read as "to the end of the file").
  ExtractRange(out.animationPath, ownPath, c.animation.offset,
               c.animation.present() ? c.animation.length : 0);
}

}  // namespace

int LoadSetupConfig(const std::string& ownPath, const std::string& tempFolder,
                    const SetupResources& resources, LoadedSetup& out) {
  out.moviePath = JoinPath(tempFolder, kMovieTempName);
  out.animationPath = JoinPath(tempFolder, kAnimationTempName);
  out.uninstallerPath = JoinPath(tempFolder, kUninstallerTempName);

  const auto trailer = ReadPackageTrailer(ownPath);
  if (!trailer) return 0;
  const std::string temp = JoinPath(tempFolder, kConfigTempName);
  ExtractRange(temp, ownPath, trailer->offset, trailer->length);
  CTokenList tokens;
  const int result = tokens.LoadFile(temp, kPackageKey);
  if (result) {
    out.config = ReadSetupConfig(tokens);
    DeleteFilePath(temp);
  }
  TakeOutMedia(ownPath, resources, out);
  const UninstallerInputs inputs{resources.unwiseImage, resources.builtinPicture, ownPath};
  if (!WriteUninstallerPackage(out.uninstallerPath, out.config, inputs)) return 0;
  return result;
}

}  // namespace sk
