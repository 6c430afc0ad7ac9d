// The scrambled token list: the storage form of every configuration inside a package.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace sk {

// Key of every package's configuration block.
inline constexpr std::string_view kPackageKey = "kqpz.dat";
// Used in place of an empty key.
inline constexpr std::string_view kDefaultKey = "kelpjorn";
// Longest token NextToken returns; a writer must not produce longer ones.
inline constexpr std::size_t kMaxTokenBytes = 4098;

// In-place transforms over length bytes; length <= 0 does nothing. Only the first eight key
// bytes count, a shorter key is padded with spaces, and the empty key means kDefaultKey.
void Scramble(std::uint8_t* buffer, long length, std::string_view key);
void Descramble(std::uint8_t* buffer, long length, std::string_view key);

// Tokens separated by 0x07 (within a row) or 0x08 0x0D 0x0A (end of a row). Rows hold one token,
// so everything Append writes ends a row.
class CTokenList {
 public:
  void Append(std::string_view token);

  // The next token, or the empty text once the text is used up (for ever). A token longer than
  // kMaxTokenBytes is cut there, on a character boundary; its remaining bytes are skipped.
  const std::string& NextToken();

  // Replaces the text with the file's content, descrambled with key unless key is empty, up to
  // its first NUL byte. Returns 1, or 0 (list unchanged) when the file cannot be opened.
  int LoadFile(const std::string& path, std::string_view key);

  // The same from bytes in memory (what LoadFile does after reading the file).
  void LoadBytes(std::string bytes, std::string_view key);

  // The serialised text, without scrambling.
  const std::string& Serialize() const { return text_; }

 private:
  std::string text_;
  std::string token_;
  std::size_t readPos_ = 0;
};

// Serialise, then scramble with the package key: the bytes of a configuration block.
std::string ScrambledBlock(const CTokenList& list);

}  // namespace sk
