#include "token_list.h"

#include <array>
#include <cstring>

#include "file_io.h"
#include "gbk.h"

namespace sk {
namespace {

constexpr char kCellEnd = 0x07;
constexpr std::string_view kRowTerminator = "\x08\x0D\x0A";

// Every key byte is applied once per byte whatever the starting position, so the eight XOR
// steps fold into one.
std::uint8_t FoldedKey(std::string_view key) {
  if (key.empty()) key = kDefaultKey;
  std::array<std::uint8_t, 8> k;
  k.fill(' ');
  for (std::size_t i = 0; i < k.size() && i < key.size(); ++i)
    k[i] = static_cast<std::uint8_t>(key[i]);
  std::uint8_t folded = 0;
  for (auto b : k) folded ^= b;
  return folded;
}

}  // namespace

void Scramble(std::uint8_t* buffer, long length, std::string_view key) {
  const std::uint8_t x = FoldedKey(key);
  for (long i = 0; i < length; ++i) buffer[i] = static_cast<std::uint8_t>(-(buffer[i] ^ x));
}

void Descramble(std::uint8_t* buffer, long length, std::string_view key) {
  const std::uint8_t x = FoldedKey(key);
  for (long i = 0; i < length; ++i) buffer[i] = static_cast<std::uint8_t>((-buffer[i]) ^ x);
}

void CTokenList::Append(std::string_view token) {
  text_.append(token);
  text_.append(kRowTerminator);
}

const std::string& CTokenList::NextToken() {
  const std::size_t end = text_.find_first_of(std::string_view("\x07\x08", 2), readPos_);
  if (end == std::string::npos) {
    token_.clear();
    return token_;
  }
  const std::string_view whole(text_.data() + readPos_, end - readPos_);
  token_.assign(CutOnCharBoundary(whole, kMaxTokenBytes));
  readPos_ = end + (text_[end] == kCellEnd ? 1 : kRowTerminator.size());
  if (readPos_ > text_.size()) readPos_ = text_.size();
  return token_;
}

void CTokenList::LoadBytes(std::string bytes, std::string_view key) {
  if (!key.empty())
    Descramble(reinterpret_cast<std::uint8_t*>(bytes.data()), static_cast<long>(bytes.size()), key);
  const std::size_t nul = bytes.find('\0');
  if (nul != std::string::npos) bytes.resize(nul);
  text_ = std::move(bytes);
}

int CTokenList::LoadFile(const std::string& path, std::string_view key) {
  File file = File::OpenRead(path);
  if (!file.IsOpen()) return 0;
  std::string bytes;
  const std::int64_t size = file.Size();
  if (size > 0) {
    bytes.resize(static_cast<std::size_t>(size));
    bytes.resize(file.Read(bytes.data(), bytes.size()));
  }
  LoadBytes(std::move(bytes), key);
  return 1;
}

std::string ScrambledBlock(const CTokenList& list) {
  std::string block = list.Serialize();
  Scramble(reinterpret_cast<std::uint8_t*>(block.data()), static_cast<long>(block.size()),
           kPackageKey);
  return block;
}

}  // namespace sk
