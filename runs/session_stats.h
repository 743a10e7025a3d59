// SessionStats: the current session's high and low, and the per-session rows of the test log.
#pragma once

#include <array>
#include <cstdint>

namespace quorvel {

// Session rows run 1 to 99; entry 0 of every table is unused.
inline constexpr int32_t kFirstSessionRow = 1;
inline constexpr int32_t kLastSessionRow = 99;
inline constexpr std::size_t kSessionTableSize = 100;

// Lives as long as the program; a test overwrites only the rows of the sessions it finishes.
struct SessionStats {
  // Current session, in whole dollars and session round numbers.
  int32_t maxHigh = 0;
  int32_t maxLow = 0;
  int32_t maxHighHand = 0;
  int32_t maxLowHand = 0;
  // The starting bankroll of the test, truncated toward zero.
  int32_t startDollars = 0;

  std::array<int32_t, kSessionTableSize> sessionMaxHigh{};
  std::array<int32_t, kSessionTableSize> sessionMaxHighHand{};
  std::array<int32_t, kSessionTableSize> sessionMaxLow{};
  std::array<int32_t, kSessionTableSize> sessionMaxLowHand{};
  // Final bankroll of the session in whole dollars minus startDollars.
  std::array<int32_t, kSessionTableSize> sessionWinnings{};
};

// Records a finished session in row logLine - sessionsLeft (logLine is the test log's counter,
// sessions + 1 while a test runs). Returns false and writes nothing when that row is outside
// 1..99, so a miscounted caller can never write past the tables.
bool LogHighLow(SessionStats& stats, int32_t logLine, int32_t finalDollars, int32_t maxHigh,
                int32_t maxHighHand, int32_t maxLow, int32_t maxLowHand, int8_t sessionsLeft);

}  // namespace quorvel
