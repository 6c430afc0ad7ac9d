// setup.exe carries this marker so that the authoring tool appends packages only to a setup
// program of ours, never to some other executable.
#pragma once

#include <string_view>

namespace sk {

inline constexpr char kStubMarkerBytes[] = "setupkit-stub/1: installer runtime";
inline constexpr std::string_view kStubMarker{kStubMarkerBytes, sizeof kStubMarkerBytes - 1};

}  // namespace sk
