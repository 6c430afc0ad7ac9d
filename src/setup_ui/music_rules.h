// The background music's decisions, apart from the media control interface: the name of the
// music file, and whether it gets the MIDI preparation.
#pragma once

#include <string>
#include <string_view>

namespace sk {

// "mirl." and the package's music extension; empty when the package has no music or when the
// extension would carry the name out of the temporary folder (a separator or a drive colon).
std::string MusicFileName(std::string_view extension);

// MIDI files are timed in milliseconds and put at their beginning after opening: whenever the
// path's last three characters are "mid" in any letter case.
bool NeedsMidiPreparation(std::string_view path);

}  // namespace sk
