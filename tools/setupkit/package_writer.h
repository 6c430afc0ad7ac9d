// Builds a package: the stub, the media blocks, every file's data (in the setup file or in
// volume files for disks 1 to 7), the scrambled configuration and the trailer.
#pragma once

#include <string>

#include "manifest.h"
#include "progress.h"

namespace sk::tool {

struct BuildOptions {
  std::string stubPath;
  std::string outputPath;
};

// Fills in the block offsets and sizes of manifest.config. Nothing appears at the output path
// or the volume paths unless the whole build succeeds. Throws UserError for a bad stub or a
// source that cannot be read any more.
void BuildPackage(Manifest& manifest, const BuildOptions& options, ProgressBar& progress);

}  // namespace sk::tool
