// TestLog: the 108-line log page of a test, its line counter and whether it has been built.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "runs/session_stats.h"

namespace quorvel {

inline constexpr std::size_t kLogPageLines = 108;

// Shown above the page, never part of it (and so never saved).
inline constexpr std::string_view kLogHeader =
    "SESSION     MAX LOW$     HAND#     MAX HIGH$    HAND#    PER SESSION WINNINGS$";

// The figures of the page's summary lines, in whole dollars.
struct LogSummary {
  int32_t totalWinnings = 0;
  int32_t averageWinnings = 0;  // per session
  int32_t averageMaxHigh = 0;   // above the starting bankroll
  int32_t averageMaxLow = 0;    // above the starting bankroll (below when negative)
  int32_t maxPotentialWinnings = 0;
};

// Line 0 stays empty; a test of N sessions fills rows 1..N and the summary lines N+1..N+7.
class TestLog {
 public:
  // Begins the log of a new test: empties the page, logLine = sessions + 1, not built.
  // A count outside 1..99 is refused with a message and changes nothing.
  std::optional<std::string> Start(int32_t sessions);

  // Builds the page from the session rows, once per test. Returns whether there is a page to
  // show: false only when no test has been started.
  bool Review(const SessionStats& stats);

  // sessions + 1 while a test runs (LogHighLow derives rows from it); past the summary once
  // built; 0 before any test.
  int32_t LogLine() const { return logLine; }
  bool LogBuilt() const { return logBuilt; }
  const std::array<std::string, kLogPageLines>& Lines() const { return lines; }
  // The summary lines' figures once built; all 0 before.
  const LogSummary& Summary() const { return summary; }

 private:
  // Lines outside the page are dropped rather than written.
  void SetLine(int32_t line, std::string text);

  std::array<std::string, kLogPageLines> lines;
  int32_t logLine = 0;
  bool logBuilt = false;
  LogSummary summary;
};

}  // namespace quorvel
