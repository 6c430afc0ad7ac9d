// The build's progress bar: bytes and files done, rate and time left. Shown only on a terminal.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace sk::tool {

struct ProgressState {
  std::int64_t bytesDone = 0;
  std::int64_t bytesTotal = 0;
  std::size_t filesDone = 0;
  std::size_t filesTotal = 0;
  double seconds = 0;  // since the start
};

// One line, without a line end, e.g.
// "[#########...........]  45%  12.0/26.5 MiB  3/7 files  8.1 MiB/s  0:02 left"
std::string FormatProgressLine(const ProgressState& state);

class ProgressBar {
 public:
  // Quiet unless enabled (the caller asks whether standard error is a terminal).
  explicit ProgressBar(bool enabled);
  void Start(std::int64_t bytesTotal, std::size_t filesTotal);
  void AddBytes(std::int64_t bytes);
  void FileDone();
  // Draws the final state and ends the line.
  void Finish();

 private:
  void Draw(bool force);

  bool enabled_;
  ProgressState state_;
  std::chrono::steady_clock::time_point start_, lastDraw_;
};

// Whether standard error is a terminal.
bool StderrIsTerminal();

}  // namespace sk::tool
