// The figures of a test: distributions, marks on hand-made walks, session counts and ends.
#include <gtest/gtest.h>

#include <cmath>

#include "runs/bankroll_tally.h"
#include "runs/test_figures.h"

namespace quorvel {
namespace {

TEST(DistributionTest, PercentilesInterpolateBetweenSortedValues) {
  const Distribution d = Describe({5, 1, 4, 2, 3});
  EXPECT_DOUBLE_EQ(d.mean, 3);
  EXPECT_DOUBLE_EQ(d.median, 3);
  EXPECT_NEAR(d.standardDeviation, std::sqrt(2.5), 1e-12);
  EXPECT_DOUBLE_EQ(d.percentile5, 1.2);   // 0.05 * 4 = 0.2 of the way from 1 to 2
  EXPECT_DOUBLE_EQ(d.percentile95, 4.8);
  const Distribution even = Describe({10, -10, 30, 20});
  EXPECT_DOUBLE_EQ(even.median, 15);
  const Distribution one = Describe({-7});
  EXPECT_EQ(one.median, -7);
  EXPECT_EQ(one.percentile5, -7);
  EXPECT_EQ(one.standardDeviation, 0);
  EXPECT_EQ(Describe({}).mean, 0);
}

struct Step {
  float stake;
  double after;
};

BankrollMarks Marks(double start, const std::vector<Step>& steps) {
  BankrollTally tally;
  tally.Start(start, true);
  double before = start;
  double round = 0;
  for (const Step& step : steps) {
    tally.Round(++round, step.stake, before, step.after);
    before = step.after;
  }
  return tally.Finish();
}

TEST(BankrollTallyTest, DrawdownRunsFromThePeakBeforeTheTrough) {
  // 100 -> 120 (peak) -> 90 -> 130 (peak) -> 60 -> 140: the largest fall is 130 to 60.
  const BankrollMarks marks = Marks(100, {{10, 120}, {20, 90}, {40, 130}, {80, 60}, {60, 140}});
  EXPECT_EQ(marks.largestDrawdown, 70);
  EXPECT_EQ(marks.largestStake, 80);
  EXPECT_FALSE(marks.ruined);
  ASSERT_EQ(marks.walk.size(), 6u);
  EXPECT_EQ(marks.walk[4].bankroll, 60);
  // A walk that only falls measures from the start.
  EXPECT_EQ(Marks(100, {{10, 90}, {10, 80}}).largestDrawdown, 20);
}

TEST(BankrollTallyTest, RuinIsAStakeNotCoveredOrAnEmptyBankroll) {
  EXPECT_TRUE(Marks(100, {{10, 90}, {160, -70}}).ruined);  // 160 asked of 90
  EXPECT_TRUE(Marks(100, {{100, 0}}).ruined);               // all of it, and lost
  EXPECT_FALSE(Marks(100, {{100, 200}}).ruined);            // all of it, and won
}

SessionRecord Session(double rounds, double bankroll, double totalBet, double flatBankroll,
                      float largestStake, int32_t streak, bool ruined, SessionEndCause cause) {
  SessionRecord record;
  record.finished = cause != SessionEndCause::kStopped;
  record.endCause = cause;
  record.rounds = rounds;
  record.bankroll = bankroll;
  record.totalBet = totalBet;
  record.flatBankroll = flatBankroll;
  record.flatTotalBet = rounds * 10;
  record.marks.largestStake = largestStake;
  record.marks.ruined = ruined;
  record.flatMarks.largestStake = 10;
  record.longestLosingStreak = streak;
  return record;
}

TEST(TestFiguresTest, SessionCountsShareAndEndsOverFinishedSessions) {
  TestResult result;
  result.startingBankroll = 1000;
  result.sessions = {Session(100, 1100, 2000, 1050, 40, 3, false, SessionEndCause::kWinLimit),
                     Session(100, 900, 3000, 950, 80, 7, true, SessionEndCause::kLossLimit),
                     Session(50, 1000, 1000, 1000, 20, 2, false, SessionEndCause::kRoundCount),
                     Session(20, 700, 500, 990, 500, 9, true, SessionEndCause::kStopped)};
  const TestFigures f = ComputeFigures(result);
  EXPECT_EQ(f.sessions, 3);
  EXPECT_EQ(f.system.rounds, 250);
  EXPECT_EQ(f.system.winnings, 0);
  EXPECT_EQ(f.system.totalBet, 6000);
  EXPECT_EQ(f.system.sessionsWon, 1);
  EXPECT_EQ(f.system.sessionsLost, 1);
  EXPECT_EQ(f.system.sessionsEven, 1);
  EXPECT_DOUBLE_EQ(f.system.riskOfRuin, 1.0 / 3);
  EXPECT_DOUBLE_EQ(f.system.largestStake.mean, 140.0 / 3);
  EXPECT_EQ(f.system.largestStake.maximum, 80);
  EXPECT_EQ(f.flat.winnings, 0);
  EXPECT_EQ(f.flat.totalBet, 2500);
  EXPECT_EQ(f.flat.sessionsWon, 1);
  EXPECT_DOUBLE_EQ(f.longestLosingStreak.mean, 4);
  EXPECT_EQ(f.longestLosingStreak.maximum, 7);
  EXPECT_EQ(f.endedBy, (std::array<int, 5>{1, 1, 1, 0, 1}));
  // System minus flat: (50, -50, 0) over 250 rounds.
  EXPECT_EQ(f.differencePerRound.value, 0);
  EXPECT_TRUE(f.differencePerRound.hasInterval);
}

}  // namespace
}  // namespace quorvel
