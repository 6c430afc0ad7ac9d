// The copying page's remaining-time estimate. The rate is refreshed only now and then, and
// only replaced when the current average differs from it by more than a factor of two, so the
// display stays calm.
#pragma once

#include <cstdint>
#include <string>

namespace sk {

class TimeEstimate {
 public:
  // total: bytes of all entries; count: number of entries; delayMs: the per-file delay.
  TimeEstimate(std::int64_t total, int count, std::int64_t delayMs);

  // After entry index (0 first) was installed with size bytes. nowMs is the time since the copy
  // phase began; diskWaitMs the time spent in disk prompts so far. Returns the seconds left, or
  // -1 while there is no rate yet.
  std::int64_t Installed(int index, std::int64_t size, std::int64_t nowMs, std::int64_t diskWaitMs);
  // Call after every entry, installed or not.
  void Skipped() { --after_; }

  std::int64_t done() const { return done_; }
  // Total bar position, 0 to 1000.
  int BarPosition() const;

 private:
  std::int64_t total_;
  std::int64_t done_ = 0;
  double rate_ = 0.0;  // bytes per millisecond
  int k_;
  std::int64_t threshold_;
  std::int64_t delayMs_;
  int after_;
};

// Seconds rounded down to a multiple of ten above 300 and of five above 30.
std::int64_t RoundedSeconds(std::int64_t seconds);

// "<label> 1分5秒" or, in English, "<label> 1m 5s"; GBK.
std::string FormatRemainingTime(const std::string& label, std::int64_t seconds, bool english);

// A path shortened to at most maxLength bytes around "...": the drive part, "...", and as many
// of the last components as fit. The result holds "..." unless maxLength is too small for it;
// with no room at all it is empty.
std::string ShortenPath(const std::string& path, int maxLength);

}  // namespace sk
