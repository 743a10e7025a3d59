// Session winnings in shared bins: round widths, edges that cover both systems, finished sessions only.
#include "runs/winnings_histogram.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvel {
namespace {

struct Winnings {
  double system, flat;
  bool finished = true;
};

TestResult ResultOf(const std::vector<Winnings>& sessions) {
  TestResult result;
  result.startingBankroll = 1000;
  for (const Winnings& w : sessions) {
    SessionRecord record;
    record.finished = w.finished;
    record.bankroll = 1000 + w.system;
    record.flatBankroll = 1000 + w.flat;
    result.sessions.push_back(record);
  }
  return result;
}

struct HistogramCase {
  const char* name;
  std::vector<Winnings> sessions;
  double low, width;
  std::vector<int> system, flat;
};

TEST(HistogramOfWinnings, CountsBothSystemsInTheSameRoundBins) {
  const std::vector<HistogramCase> cases = {
      // 3 sessions: 3 bins over 150 dollars, 50 wide from -50; 100 opens the fourth bin.
      {"three sessions", {{100, 20}, {-50, -10}, {100, 40}}, -50, 50, {1, 0, 0, 2}, {1, 2, 0, 0}},
      // One session: one bin over 700 dollars rounds up to 1000.
      {"width rounds up", {{30, -670}}, -1000, 1000, {0, 1}, {1, 0}},
      // 9 sessions within 1.5 dollars: 5 bins would be 0.3 wide; bins stay a dollar wide.
      {"whole dollars",
       {{0, 0}, {0.5, 0}, {1.5, 0}, {1, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {1.5, 0.5}},
       0, 1, {6, 3}, {9, 0}},
      {"all even", {{0, 0}, {0, 0}}, 0, 1, {2}, {2}},
      // The stopped session's -900 would widen the bins if it counted.
      {"stopped left out", {{10, 10}, {-900, -900, false}}, 10, 1, {1}, {1}},
  };
  for (const HistogramCase& c : cases) {
    SCOPED_TRACE(c.name);
    const WinningsHistogram histogram = HistogramOfWinnings(ResultOf(c.sessions));
    EXPECT_DOUBLE_EQ(histogram.low, c.low);
    EXPECT_DOUBLE_EQ(histogram.width, c.width);
    EXPECT_EQ(histogram.system, c.system);
    EXPECT_EQ(histogram.flat, c.flat);
  }
}

TEST(HistogramOfWinnings, WithoutFinishedSessionsHasNoBins) {
  const WinningsHistogram histogram = HistogramOfWinnings(ResultOf({{5, 5, false}}));
  EXPECT_TRUE(histogram.system.empty());
  EXPECT_TRUE(histogram.flat.empty());
}

TEST(BinText, GivesTheEdgesInWholeDollars) {
  WinningsHistogram histogram;
  histogram.low = -200;
  histogram.width = 100;
  histogram.system = {0, 0, 0};
  histogram.flat = {0, 0, 0};
  EXPECT_EQ(BinText(histogram, 0), "-200 to -100");
  EXPECT_EQ(BinText(histogram, 1), "-100 to 0");
  EXPECT_EQ(BinText(histogram, 2), "0 to 100");
}

}  // namespace
}  // namespace quorvel
