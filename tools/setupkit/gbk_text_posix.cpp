#include <iconv.h>

#include <cerrno>

#include "gbk_text.h"

namespace sk::tool {
namespace {

std::optional<std::string> Convert(const char* to, const char* from, std::string_view text) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out(text.size() * 4 + 4, '\0');
  char* in = const_cast<char*>(text.data());
  std::size_t inLeft = text.size();
  char* outPtr = out.data();
  std::size_t outLeft = out.size();
  const std::size_t result = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  if (result == static_cast<std::size_t>(-1) || inLeft != 0) return std::nullopt;
  // iconv counts characters it replaced; a replacement means there was no exact form.
  if (result != 0) return std::nullopt;
  out.resize(out.size() - outLeft);
  return out;
}

}  // namespace

std::optional<std::string> Utf8ToGbk(std::string_view utf8) { return Convert("GBK", "UTF-8", utf8); }
std::optional<std::string> DecodeGbk(std::string_view gbk) { return Convert("UTF-8", "GBK", gbk); }

}  // namespace sk::tool
