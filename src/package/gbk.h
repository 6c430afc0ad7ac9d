// Byte-string helpers for texts in the GBK code page.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace sk {

// Whether a byte opens a double-byte character.
inline bool IsLeadByte(char c) {
  const auto b = static_cast<unsigned char>(c);
  return b >= 0x81 && b <= 0xFE;
}

// The longest prefix of text that is at most maxBytes long and does not end inside a
// double-byte character (lead byte 0x81..0xFE followed by its trail byte).
std::string_view CutOnCharBoundary(std::string_view text, std::size_t maxBytes);

// Position of the first or last backslash that is a character of its own (a trail byte of a
// double-byte character may be 0x5C too); npos when there is none.
std::size_t FindFirstBackslash(std::string_view text);
std::size_t FindLastBackslash(std::string_view text);
// Whether the text's last character is a backslash.
bool EndsWithBackslash(std::string_view text);
// The text with one backslash at its end: added when missing, dropped when present.
std::string WithBackslash(std::string text);
std::string WithoutBackslash(std::string text);

}  // namespace sk
