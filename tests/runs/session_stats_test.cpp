// LogHighLow: the row a finished session fills, its winnings, and rows it must never write.
#include "runs/session_stats.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace quorvel {
namespace {

// high, high hand, low, low hand, winnings of a row
std::array<int32_t, 5> Row(const SessionStats& s, std::size_t row) {
  return {s.sessionMaxHigh[row], s.sessionMaxHighHand[row], s.sessionMaxLow[row],
          s.sessionMaxLowHand[row], s.sessionWinnings[row]};
}

TEST(LogHighLow, SessionsFillRowsInOrderAndALaterTestOnlyItsOwn) {
  SessionStats stats;
  stats.startDollars = 1000;
  // A 3-session test: logLine 4, sessionsLeft 3, 2, 1.
  ASSERT_TRUE(LogHighLow(stats, 4, 950, 1100, 40, 950, 12, 3));
  ASSERT_TRUE(LogHighLow(stats, 4, 1010, 1020, 3, 900, 77, 2));
  ASSERT_TRUE(LogHighLow(stats, 4, 1200, 1250, 500, 990, 2, 1));
  // Then a 1-session test from 500.
  stats.startDollars = 500;
  ASSERT_TRUE(LogHighLow(stats, 2, 450, 510, 1, 440, 6, 1));
  EXPECT_EQ(Row(stats, 0), (std::array<int32_t, 5>{}));
  EXPECT_EQ(Row(stats, 1), (std::array<int32_t, 5>{510, 1, 440, 6, -50}));
  EXPECT_EQ(Row(stats, 2), (std::array<int32_t, 5>{1020, 3, 900, 77, 10}));
  EXPECT_EQ(Row(stats, 3), (std::array<int32_t, 5>{1250, 500, 990, 2, 200}));
  // Row 99 is the last row; winnings wrap like 32-bit numbers.
  stats.startDollars = 1;
  ASSERT_TRUE(LogHighLow(stats, 100, -2147483647 - 1, 8, 9, 10, 11, 1));
  EXPECT_EQ(Row(stats, 99), (std::array<int32_t, 5>{8, 9, 10, 11, 2147483647}));
}

TEST(LogHighLow, ARowOutsideOneTo99WritesNothing) {
  struct Bad {
    int32_t logLine;
    int8_t sessionsLeft;
  };
  // Rows 0, -1, 100, 228 and one far below zero.
  const std::vector<Bad> cases = {{3, 3}, {0, 1}, {100, 0}, {100, -128}, {-2147483647 - 1, 127}};
  for (const Bad& c : cases) {
    SessionStats stats;
    EXPECT_FALSE(LogHighLow(stats, c.logLine, 1, 2, 3, 4, 5, c.sessionsLeft)) << c.logLine;
    for (std::size_t row = 0; row < kSessionTableSize; ++row) {
      EXPECT_EQ(Row(stats, row), (std::array<int32_t, 5>{})) << c.logLine << " row " << row;
    }
  }
}

}  // namespace
}  // namespace quorvel
