// The checks that need the whole resolved configuration: every text against the width of its
// field in the token layout and against the bytes a token cannot hold, and the texts the
// wizard's pages show against what those pages let the user past.
#pragma once

#include "manifest.h"
#include "table_reader.h"

namespace sk::tool {

// Throws UserError naming the key and line that set the first text that does not fit.
void CheckManifest(const Manifest& manifest, const ManifestContext& context);

}  // namespace sk::tool
