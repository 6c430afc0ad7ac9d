// The notice that a text is longer than its field allows. Portable.
#pragma once

#include <cstddef>
#include <string>

namespace sk {

// Both languages at once: the dialog layer does not know the package's language.
std::string TooLongNotice(std::size_t maxBytes);

}  // namespace sk
