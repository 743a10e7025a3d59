// The figures of a test: distributions, marks on hand-made walks, session counts and ends.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "runs/session_marks.h"
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

struct Walked {
  BankrollMarks system;
  std::vector<WalkPoint> walk;
};

Walked Marks(double start, const std::vector<Step>& steps) {
  SessionMarks marks;
  marks.Start(start, 10, true);
  std::size_t rounds = 0;
  for (const Step& step : steps) marks.Room()[rounds++] = {step.after, step.stake, 1};
  marks.Add(rounds);
  return {marks.System().Marks(), marks.SystemWalk()};
}

TEST(BankrollTallyTest, DrawdownRunsFromThePeakBeforeTheTrough) {
  // 100 -> 120 (peak) -> 90 -> 130 (peak) -> 60 -> 140: the largest fall is 130 to 60.
  const Walked walked = Marks(100, {{10, 120}, {20, 90}, {40, 130}, {80, 60}, {60, 140}});
  EXPECT_EQ(walked.system.largestDrawdown, 70);
  EXPECT_EQ(walked.system.largestStake, 80);
  EXPECT_FALSE(walked.system.ruined);
  ASSERT_EQ(walked.walk.size(), 6u);
  EXPECT_EQ(walked.walk[4].bankroll, 60);
  // A walk that only falls measures from the start.
  EXPECT_EQ(Marks(100, {{10, 90}, {10, 80}}).system.largestDrawdown, 20);
}

TEST(BankrollTallyTest, RuinIsAStakeNotCoveredOrAnEmptyBankroll) {
  EXPECT_TRUE(Marks(100, {{10, 90}, {160, -70}}).system.ruined);  // 160 asked of 90
  EXPECT_TRUE(Marks(100, {{100, 0}}).system.ruined);               // all of it, and lost
  EXPECT_FALSE(Marks(100, {{100, 200}}).system.ruined);            // all of it, and won
}

TEST(BankrollTallyTest, BatchesGiveTheMarksOfRoundByRound) {
  // Rounds are worked out in batches; a long session must come out as if each
  // round were tallied on its own, the twin and both walks included.
  std::mt19937 random(4);
  SessionMarks marks;
  marks.Start(50, 5, true);
  BankrollTally system;
  system.Start(50);
  FlatTwin twin;
  twin.Start(50, 5);
  WalkSampler walk;
  walk.Start(50);
  WalkSampler flatWalk;
  flatWalk.Start(50);
  double bankroll = 50;
  const int rounds = 3001;
  std::size_t written = 0;
  std::size_t batch = 1;
  for (int round = 1; round <= rounds; ++round) {
    const float stake = static_cast<float>(5 << (random() % 4));
    const float net = static_cast<float>(static_cast<int>(random() % 7) - 3) / 2;
    const double before = bankroll;
    bankroll += static_cast<double>(net) * stake;
    marks.Room()[written++] = {bankroll, stake, net};
    // Batches of every size up to a full one, the last one short.
    if (written == batch || round == rounds) {
      marks.Add(written);
      written = 0;
      batch = batch % SessionMarks::kBatch + 1;
    }
    system.Round(stake, before, bankroll);
    twin.Round(net);
    walk.Add(round, bankroll);
    flatWalk.Add(round, twin.Bankroll());
  }
  const BankrollMarks batched = marks.System().Marks();
  EXPECT_EQ(batched.largestStake, system.Marks().largestStake);
  EXPECT_EQ(batched.largestDrawdown, system.Marks().largestDrawdown);
  EXPECT_EQ(batched.ruined, system.Marks().ruined);
  EXPECT_EQ(marks.Flat().Bankroll(), twin.Bankroll());
  EXPECT_EQ(marks.Flat().Marks(rounds).largestDrawdown, twin.Marks(rounds).largestDrawdown);
  const auto same = [](const std::vector<WalkPoint>& a, const std::vector<WalkPoint>& b) {
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
      EXPECT_EQ(a[i].round, b[i].round);
      EXPECT_EQ(a[i].bankroll, b[i].bankroll);
    }
  };
  same(marks.SystemWalk(), walk.Points());
  same(marks.FlatWalk(), flatWalk.Points());
}

TEST(BankrollTallyTest, TheTwinIsRuinedByAStakeItCouldNotCoverOrAnEmptyBankroll) {
  const auto ruined = [](double start, const std::vector<float>& nets) {
    FlatTwin twin;
    twin.Start(start, 10);
    for (float net : nets) twin.Round(net);
    return twin.Marks(static_cast<double>(nets.size())).ruined;
  };
  EXPECT_FALSE(ruined(25, {-1, 1}));       // 15 still covers 10
  EXPECT_TRUE(ruined(25, {-1, -1, 1}));    // 5 could not cover the third round
  EXPECT_FALSE(ruined(25, {-1, -1}));      // 5 left, but no round asked for more
  EXPECT_TRUE(ruined(20, {-1, -1}));       // the last round emptied it
  EXPECT_TRUE(ruined(5, {1}));             // the first stake was never covered
  EXPECT_FALSE(ruined(5, {}));             // no round, no stake
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
