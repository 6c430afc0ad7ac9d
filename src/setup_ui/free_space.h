// The free-space question on the screen: asked by the wizard when it fixes the folder itself,
// and by the folder page on Next.
#pragma once

#include <string>

namespace sk {

struct FreeSpaceQuestion {
  int iconKind;           // as ShowMessage takes it
  const char* labels[3];  // the third button always ignores the shortage
  int stopAnswer;         // the button that gives up
};

// Asks question until the volume of folder has requiredMb free or the user decides (see
// AskUntilRoom); false when the user gave up.
bool EnsureFreeSpace(const std::string& folder, double requiredMb, bool english, const FreeSpaceQuestion& question);

}  // namespace sk
