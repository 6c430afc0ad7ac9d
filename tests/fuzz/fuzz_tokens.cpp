// A scrambled token block, read token by token.
#include <cstddef>
#include <cstdint>
#include <string>

#include "package/token_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  sk::CTokenList list;
  list.LoadBytes(std::string(reinterpret_cast<const char*>(data), size), sk::kPackageKey);
  // Every token consumes at least its terminator, so the text runs out after size reads.
  for (std::size_t i = 0; i <= size; ++i) {
    const std::string& token = list.NextToken();
    if (token.size() > sk::kMaxTokenBytes) __builtin_trap();
  }
  if (!list.NextToken().empty()) __builtin_trap();
  return 0;
}
