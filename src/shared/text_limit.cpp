#include "shared/text_limit.h"

namespace sk {

std::string TooLongNotice(std::size_t maxBytes) {
  const std::string limit = std::to_string(maxBytes);
  return "输入的文字太长,最多 " + limit + " 个字节。\r\nThe text is too long: at most " + limit +
         " bytes.";
}

}  // namespace sk
