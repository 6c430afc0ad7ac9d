#include "shared/private_temp_name.h"

#include "package/number_text.h"

namespace sk {
namespace {

constexpr std::string_view kPrefix = "setupkit-";
constexpr std::size_t kCreatedDigits = 16;

std::string ProgramPrefix(std::string_view program) {
  return std::string(kPrefix).append(program).append("-");
}

// Reads decimal or hex digits up to the next '-' or the end; nothing for no digits, a digit
// of another base or an overflow.
std::optional<std::uint64_t> TakeNumber(std::string_view& rest, int base, std::size_t maxDigits) {
  std::uint64_t value = 0;
  std::size_t count = 0;
  while (count < rest.size() && rest[count] != '-') {
    const char c = rest[count];
    int digit = -1;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    if (digit < 0 || ++count > maxDigits) return std::nullopt;
    value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
  }
  if (count == 0) return std::nullopt;
  rest.remove_prefix(count);
  return value;
}

bool TakeDash(std::string_view& rest) {
  if (rest.empty() || rest.front() != '-') return false;
  rest.remove_prefix(1);
  return true;
}

}  // namespace

std::string PrivateTempName(std::string_view program, const PrivateTempOwner& owner, int attempt) {
  return ProgramPrefix(program) + std::to_string(owner.processId) + "-" +
         UpperHex(static_cast<std::uint32_t>(owner.created >> 32), 8) +
         UpperHex(static_cast<std::uint32_t>(owner.created & 0xFFFFFFFFu), 8) + "-" + std::to_string(attempt);
}

std::string PrivateTempPattern(std::string_view program) { return ProgramPrefix(program) + "*"; }

std::optional<PrivateTempOwner> ParsePrivateTempName(std::string_view name, std::string_view program) {
  const std::string prefix = ProgramPrefix(program);
  if (name.substr(0, prefix.size()) != prefix) return std::nullopt;
  std::string_view rest = name.substr(prefix.size());
  const auto id = TakeNumber(rest, 10, 10);
  if (!id || *id > 0xFFFFFFFFu || !TakeDash(rest)) return std::nullopt;
  const std::size_t before = rest.size();
  const auto created = TakeNumber(rest, 16, kCreatedDigits);
  if (!created || before - rest.size() != kCreatedDigits || !TakeDash(rest)) return std::nullopt;
  if (!TakeNumber(rest, 10, 9) || !rest.empty()) return std::nullopt;
  return PrivateTempOwner{static_cast<std::uint32_t>(*id), *created};
}

}  // namespace sk
