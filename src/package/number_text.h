// Numbers as the programs print them, without the C library's formatted output: a printf
// engine with its floating-point conversions is a large share of a small program.
#pragma once

#include <cstdint>
#include <string>

namespace sk {

// printf's "%0*lX": upper-case hexadecimal digits, zero-padded to at least `width`.
std::string UpperHex(std::uint32_t value, int width);

// printf's "%.1f": the value's exact binary expansion rounded to one decimal, a tie to the
// even digit; "inf" and "nan" (with a sign when negative) for values that are not finite.
std::string OneDecimal(double value);

}  // namespace sk
