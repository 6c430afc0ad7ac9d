#include "gbk.h"

namespace sk {

namespace {

// Calls f(position) for every character that is a backslash, in order, until f returns false.
template <class F>
void ForEachBackslash(std::string_view text, F f) {
  for (std::size_t i = 0; i < text.size(); i += IsLeadByte(text[i]) && i + 1 < text.size() ? 2 : 1)
    if (text[i] == '\\' && !f(i)) return;
}

}  // namespace

std::size_t FindFirstBackslash(std::string_view text) {
  std::size_t found = std::string_view::npos;
  ForEachBackslash(text, [&](std::size_t i) {
    found = i;
    return false;
  });
  return found;
}

std::size_t FindLastBackslash(std::string_view text) {
  std::size_t found = std::string_view::npos;
  ForEachBackslash(text, [&](std::size_t i) {
    found = i;
    return true;
  });
  return found;
}

bool EndsWithBackslash(std::string_view text) {
  return !text.empty() && FindLastBackslash(text) == text.size() - 1;
}

std::string WithBackslash(std::string text) {
  if (!EndsWithBackslash(text)) text += '\\';
  return text;
}

std::string WithoutBackslash(std::string text) {
  if (EndsWithBackslash(text)) text.pop_back();
  return text;
}

std::string_view CutOnCharBoundary(std::string_view text, std::size_t maxBytes) {
  if (text.size() <= maxBytes) return text;
  std::size_t i = 0;
  while (i < maxBytes) {
    const std::size_t width = IsLeadByte(text[i]) ? 2 : 1;
    if (i + width > maxBytes) break;
    i += width;
  }
  return text.substr(0, i);
}

}  // namespace sk
