// Conversion between the manifest's UTF-8 and the packages' GBK (code page 936).
// Utf8ToGbk and DecodeGbk exist once per platform: iconv, or the Windows code page functions.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sk::tool {

// The GBK form of a UTF-8 text; none when the text is not valid UTF-8 or has a character that
// GBK cannot hold.
std::optional<std::string> Utf8ToGbk(std::string_view utf8);

// The UTF-8 form of GBK bytes, for showing what a package holds. Never fails: a byte that is not
// part of a GBK character becomes the four characters \xNN, so damaged texts stay visible.
std::string GbkToUtf8(std::string_view gbk);

// The UTF-8 form of a whole GBK text; none when a byte sequence is no GBK character.
std::optional<std::string> DecodeGbk(std::string_view gbk);

}  // namespace sk::tool
