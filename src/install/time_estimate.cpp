#include "install/time_estimate.h"

#include <algorithm>

#include "package/gbk.h"

namespace sk {

TimeEstimate::TimeEstimate(std::int64_t total, int count, std::int64_t delayMs)
    : total_(total), k_(std::min(10, count)), threshold_(total), delayMs_(delayMs), after_(count - 1) {}

std::int64_t TimeEstimate::Installed(int index, std::int64_t size, std::int64_t nowMs, std::int64_t diskWaitMs) {
  done_ += size;
  const std::int64_t limit = k_ > 0 ? threshold_ / k_ : 0;
  if (done_ < limit || size > limit) {
    threshold_ += total_;
    const std::int64_t elapsed = std::max<std::int64_t>(nowMs - (index + 1) * delayMs_ - diskWaitMs, 1);
    const double now = static_cast<double>(done_) / static_cast<double>(elapsed);
    if (rate_ <= 0 || now / rate_ > 2.0 || now / rate_ < 0.5) rate_ = now;
  }
  if (rate_ <= 0) return -1;
  const auto ms = static_cast<std::int64_t>(static_cast<double>(total_ - done_) / rate_) + delayMs_ * after_;
  return ms / 1000;
}

int TimeEstimate::BarPosition() const {
  if (total_ <= 0) return 0;
  const double scale = static_cast<double>(total_) * 0.001;
  return static_cast<int>(static_cast<double>(done_) / scale);
}

std::int64_t RoundedSeconds(std::int64_t s) {
  if (s > 300) return s - s % 10;
  if (s > 30) return s - s % 5;
  return s;
}

std::string FormatRemainingTime(const std::string& label, std::int64_t seconds, bool english) {
  const std::int64_t s = RoundedSeconds(seconds);
  const long long h = s / 3600, m = (s % 3600) / 60, sec = s % 60, mins = s / 60;
  const auto n = [](long long v) { return std::to_string(v); };
  const char* hourUnit = english ? "h " : "\xd0\xa1\xca\xb1";   // 小时
  const char* minuteUnit = english ? "m " : "\xb7\xd6";          // 分
  const char* secondUnit = english ? "s" : "\xc3\xeb";          // 秒
  if (s < 1) return label + (english ? " less a seconds" : " \xc9\xd9\xd3\xda" "1\xc3\xeb");  // 少于1秒
  if (s < 60) return label + " " + n(s) + secondUnit;
  if (s < 3600) return label + " " + n(mins) + minuteUnit + n(sec) + secondUnit;
  return label + " " + n(h) + hourUnit + n(m) + minuteUnit + n(sec) + secondUnit;
}

std::string ShortenPath(const std::string& path, int maxLength) {
  if (maxLength <= 0) return {};
  const auto maxBytes = static_cast<std::size_t>(maxLength);
  const std::size_t first = FindFirstBackslash(path);
  const std::size_t last = FindLastBackslash(path);
  const std::string head = (first == std::string::npos ? std::string() : path.substr(0, first + 1)) + "...";
  std::string tail = last == std::string::npos ? path : path.substr(last);
  if (head.size() + tail.size() > maxBytes) {
    const std::string whole = head + tail;
    return whole.substr(whole.size() - maxBytes);
  }
  if (first != std::string::npos && last > first) {
    std::string middle = path.substr(first, last - first);
    for (std::size_t cut; (cut = FindLastBackslash(middle)) != std::string::npos;) {
      const std::string component = middle.substr(cut);
      if (head.size() + tail.size() + component.size() > maxBytes) break;
      tail = component + tail;
      middle.resize(cut);
    }
  }
  return head + tail;
}

}  // namespace sk
