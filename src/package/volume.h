// Volume files on further setup disks begin with this signature; entries address byte ranges
// in them after it.
#pragma once

#include <array>
#include <cstdint>

namespace sk {

inline constexpr std::array<std::uint8_t, 16> VolumeSignature = {
    'M', 'I', 'R', 'L', '!', 0, '1', '9', '8', '0', '0', '9', '2', '5', '&', 0};

}  // namespace sk
