#include "progress.h"

#include <cstdio>

#ifdef _WIN32
#include <io.h>
#define SK_ISATTY _isatty
#define SK_FILENO _fileno
#else
#include <unistd.h>
#define SK_ISATTY isatty
#define SK_FILENO fileno
#endif

namespace sk::tool {

namespace {
constexpr double kMiB = 1024.0 * 1024.0;
constexpr int kBarWidth = 20;
}  // namespace

std::string FormatProgressLine(const ProgressState& s) {
  const double fraction =
      s.bytesTotal > 0 ? static_cast<double>(s.bytesDone) / static_cast<double>(s.bytesTotal) : 1.0;
  const int filled = static_cast<int>(fraction * kBarWidth);
  std::string bar = "[" + std::string(filled, '#') + std::string(kBarWidth - filled, '.') + "]";
  const double rate = s.seconds > 0 ? s.bytesDone / kMiB / s.seconds : 0;
  char line[160];
  std::snprintf(line, sizeof line, "%s %3d%%  %.1f/%.1f MiB  %zu/%zu files  %.1f MiB/s", bar.c_str(),
                static_cast<int>(fraction * 100), s.bytesDone / kMiB, s.bytesTotal / kMiB,
                s.filesDone, s.filesTotal, rate);
  std::string text = line;
  if (rate > 0 && s.bytesDone < s.bytesTotal) {
    const long left = static_cast<long>((s.bytesTotal - s.bytesDone) / kMiB / rate + 0.5);
    std::snprintf(line, sizeof line, "  %ld:%02ld left", left / 60, left % 60);
    text += line;
  }
  return text;
}

ProgressBar::ProgressBar(bool enabled) : enabled_(enabled) {}

void ProgressBar::Start(std::int64_t bytesTotal, std::size_t filesTotal) {
  state_ = {0, bytesTotal, 0, filesTotal, 0};
  start_ = lastDraw_ = std::chrono::steady_clock::now();
}

void ProgressBar::AddBytes(std::int64_t bytes) {
  state_.bytesDone += bytes;
  Draw(false);
}

void ProgressBar::FileDone() {
  ++state_.filesDone;
  Draw(false);
}

void ProgressBar::Finish() {
  if (!enabled_) return;
  Draw(true);
  std::fputc('\n', stderr);
}

void ProgressBar::Draw(bool force) {
  if (!enabled_) return;
  const auto now = std::chrono::steady_clock::now();
  if (!force && now - lastDraw_ < std::chrono::milliseconds(100)) return;
  lastDraw_ = now;
  state_.seconds = std::chrono::duration<double>(now - start_).count();
  // Padding clears what a longer previous line left, on every kind of terminal.
  std::fprintf(stderr, "\r%-79s", FormatProgressLine(state_).c_str());
  std::fflush(stderr);
}

bool StderrIsTerminal() { return SK_ISATTY(SK_FILENO(stderr)) != 0; }

}  // namespace sk::tool
