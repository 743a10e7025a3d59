// A one-line progress bar with rate and time left.
#include "cli/progress_bar.h"

#include <algorithm>
#include <cstdio>

namespace quorvel::cli {

std::string ProgressLine(uint64_t rounds, double total, int sessionsDone, int sessions,
                         double seconds) {
  constexpr int kWidth = 30;
  const double rate = seconds > 0 ? static_cast<double>(rounds) / seconds : 0;
  char text[160];
  if (total > 0) {
    const double done = std::min(1.0, static_cast<double>(rounds) / total);
    const int filled = static_cast<int>(done * kWidth);
    const std::string bar = std::string(filled, '#') + std::string(kWidth - filled, '.');
    const double left = rate > 0 ? (total - static_cast<double>(rounds)) / rate : 0;
    std::snprintf(text, sizeof text, "[%s] %5.1f%%  %d/%d sessions  %.2fM rounds/s  %.0fs left",
                  bar.c_str(), done * 100, sessionsDone, sessions, rate / 1e6, left);
  } else {
    std::snprintf(text, sizeof text, "%llu rounds  %d/%d sessions  %.2fM rounds/s  (Ctrl-C stops)",
                  static_cast<unsigned long long>(rounds), sessionsDone, sessions, rate / 1e6);
  }
  return text;
}

}  // namespace quorvel::cli
