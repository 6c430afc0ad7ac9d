#include "package/number_text.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace sk {

std::string UpperHex(std::uint32_t value, int width) {
  std::string digits;
  do {
    digits += "0123456789ABCDEF"[value & 15u];
    value >>= 4;
  } while (value != 0);
  if (static_cast<int>(digits.size()) < width) digits.append(static_cast<std::size_t>(width) - digits.size(), '0');
  std::reverse(digits.begin(), digits.end());
  return digits;
}

namespace {

// The decimal digits of a non-negative integral value of any size: below 2^64 directly, above
// as its 53-bit mantissa doubled into base-10^9 limbs, exactly.
std::string IntegralDigits(double whole) {
  if (whole < 18446744073709551616.0) return std::to_string(static_cast<std::uint64_t>(whole));
  int exponent = 0;
  const double mantissa = std::frexp(whole, &exponent);
  const auto bits = static_cast<std::uint64_t>(std::ldexp(mantissa, 53));
  std::vector<std::uint32_t> limbs = {static_cast<std::uint32_t>(bits % 1000000000u),
                                      static_cast<std::uint32_t>(bits / 1000000000u % 1000000000u),
                                      static_cast<std::uint32_t>(bits / 1000000000u / 1000000000u)};
  for (int shift = exponent - 53; shift > 0; shift -= 16) {
    const int step = shift < 16 ? shift : 16;
    std::uint64_t carry = 0;
    for (auto& limb : limbs) {
      const std::uint64_t v = (static_cast<std::uint64_t>(limb) << step) + carry;
      limb = static_cast<std::uint32_t>(v % 1000000000u);
      carry = v / 1000000000u;
    }
    if (carry) limbs.push_back(static_cast<std::uint32_t>(carry));
  }
  while (limbs.size() > 1 && limbs.back() == 0) limbs.pop_back();
  std::string digits = std::to_string(limbs.back());
  for (std::size_t i = limbs.size() - 1; i-- > 0;) {
    const std::string part = std::to_string(limbs[i]);
    digits.append(9 - part.size(), '0').append(part);
  }
  return digits;
}

// The fraction (0 <= fraction < 1) in tenths, rounded to nearest with a tie to even. The
// product is rounded once; fma gives what that rounding dropped, which decides a tie.
int RoundedTenths(double fraction) {
  const double tenths = fraction * 10.0;
  const double dropped = std::fma(fraction, 10.0, -tenths);
  const double below = std::floor(tenths);
  const double rest = tenths - below;
  int result = static_cast<int>(below);
  if (rest > 0.5 || (rest == 0.5 && (dropped > 0 || (dropped == 0 && result % 2 == 1)))) ++result;
  return result;
}

}  // namespace

std::string OneDecimal(double value) {
  const std::string sign = std::signbit(value) ? "-" : "";
  if (std::isnan(value)) return sign + "nan";
  if (std::isinf(value)) return sign + "inf";
  double whole = std::trunc(std::fabs(value));
  int tenths = RoundedTenths(std::fabs(value) - whole);
  if (tenths == 10) {
    whole += 1.0;
    tenths = 0;
  }
  return sign + IntegralDigits(whole) + "." + static_cast<char>('0' + tenths);
}

}  // namespace sk
