// A mistake of the user (manifest, arguments, input files): reported as it is and ends the
// program with exit status 2. Anything else that goes wrong is an internal failure (status 1).
#pragma once

#include <stdexcept>
#include <string>

namespace sk::tool {

inline constexpr int kUserErrorStatus = 2;
inline constexpr int kFailureStatus = 1;

class UserError : public std::runtime_error {
 public:
  explicit UserError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace sk::tool
