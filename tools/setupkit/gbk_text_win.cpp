#include <windows.h>

#include "gbk_text.h"

namespace sk::tool {
namespace {

constexpr UINT kGbkCodePage = 936;

std::optional<std::wstring> Widen(UINT codePage, std::string_view text) {
  if (text.empty()) return std::wstring();
  const int n = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(),
                                    static_cast<int>(text.size()), nullptr, 0);
  if (n <= 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()),
                      wide.data(), n);
  return wide;
}

std::optional<std::string> Narrow(UINT codePage, const std::wstring& wide) {
  if (wide.empty()) return std::string();
  // The UTF-8 code page refuses the default-character arguments.
  const bool strict = codePage != CP_UTF8;
  BOOL usedDefault = FALSE;
  const DWORD flags = strict ? WC_NO_BEST_FIT_CHARS : 0;
  const int n = WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()),
                                    nullptr, 0, nullptr, strict ? &usedDefault : nullptr);
  if (n <= 0 || usedDefault) return std::nullopt;
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()), out.data(), n,
                      nullptr, strict ? &usedDefault : nullptr);
  if (usedDefault) return std::nullopt;
  return out;
}

}  // namespace

std::optional<std::string> Utf8ToGbk(std::string_view utf8) {
  auto wide = Widen(CP_UTF8, utf8);
  if (!wide) return std::nullopt;
  return Narrow(kGbkCodePage, *wide);
}

std::optional<std::string> DecodeGbk(std::string_view gbk) {
  auto wide = Widen(kGbkCodePage, gbk);
  if (!wide) return std::nullopt;
  return Narrow(CP_UTF8, *wide);
}

}  // namespace sk::tool
