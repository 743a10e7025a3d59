// The figures of a test: distributions, marks on hand-made walks, session counts and ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>

#include "runs/figures_text.h"
#include "runs/session_marks.h"
#include "runs/test_figures.h"
#include "runs/walk_band.h"

namespace quorvel {
namespace {

TEST(DistributionTest, PercentilesInterpolateBetweenSortedValues) {
  const Distribution d = Describe({5, 1, 4, 2, 3});
  EXPECT_DOUBLE_EQ(d.mean, 3);
  EXPECT_DOUBLE_EQ(d.median, 3);
  EXPECT_NEAR(d.standardDeviation, std::sqrt(2.5), 1e-12);
  EXPECT_DOUBLE_EQ(d.percentile5, 1.2);  // 0.05 * 4 = 0.2 of the way from 1 to 2
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
  float net = 1;
};

struct Walked {
  BankrollMarks system;
  BankrollMarks flat;
  double flatBankroll;
};

// The marks of a session from `start` with a twin at 10 a stake, its rounds
// handed over in one batch.
Walked Marks(double start, const std::vector<Step>& steps) {
  SessionMarks marks;
  marks.Start(start, 10, true);
  std::size_t rounds = 0;
  for (const Step& step : steps) {
    marks.Room().Write(BatchRoom::Place(rounds++), step.after, step.stake, step.net);
  }
  marks.Add(rounds);
  return {marks.SystemMarks(), marks.FlatMarks(static_cast<double>(rounds)), marks.FlatBankroll()};
}

TEST(BankrollTallyTest, DrawdownRunsFromThePeakBeforeTheTrough) {
  // 100 -> 120 (peak) -> 90 -> 130 (peak) -> 60 -> 140: the largest fall is 130 to 60.
  const Walked walked = Marks(100, {{10, 120}, {20, 90}, {40, 130}, {80, 60}, {60, 140}});
  EXPECT_EQ(walked.system.largestDrawdown, 70);
  EXPECT_EQ(walked.system.largestStake, 80);
  EXPECT_FALSE(walked.system.ruined);
  ASSERT_EQ(walked.system.walk.size(), 6u);
  EXPECT_EQ(walked.system.walk[4].bankroll, 60);
  // A walk that only falls measures from the start.
  EXPECT_EQ(Marks(100, {{10, 90}, {10, 80}}).system.largestDrawdown, 20);
}

// The bankroll that covers every stake: with one dollar less some round's stake
// would have been more than the bankroll before it.
TEST(BankrollTallyTest, RuinAndTheBankrollThatCoversEveryStake) {
  struct Case {
    std::vector<Step> steps;
    bool ruined;
    double required;
  };
  for (const Case& c : {Case{{{10, 90}, {160, -70}}, true, 170},       // 160 asked of 90
                        Case{{{100, 0}}, true, 100},                   // all of it, and lost
                        Case{{{100, 200}}, false, 100},                // all of it, and won
                        Case{{{10, 90}, {20.5f, 69.5}}, false, 31},    // 30 would leave 20 for 20.50
                        Case{{{10, 110}, {40, 70}, {5, 75}}, false, 35},  // 35 leaves 5 for the 5
                        Case{{{50, 150}, {20, 170}}, false, 50},         // the first stake binds
                        Case{{}, false, 0}}) {
    const Walked walked = Marks(100, c.steps);
    EXPECT_EQ(walked.system.ruined, c.ruined) << c.required;
    EXPECT_EQ(walked.system.requiredBankroll, c.required);
  }
}

TEST(BankrollTallyTest, TheTwinIsRuinedByAStakeItCouldNotCoverOrAnEmptyBankroll) {
  struct Case {
    double start;
    std::vector<float> nets;
    bool ruined;
    double required;  // at 10 a stake
  };
  for (const Case& c : {Case{25, {-1, 1}, false, 20},      // 15 still covers 10
                        Case{25, {-1, -1, 1}, true, 30},   // 5 could not cover the third round
                        Case{25, {-1, -1}, false, 20},     // 5 left, but no round asked for more
                        Case{20, {-1, -1}, true, 20},      // the last round emptied it
                        Case{5, {1}, true, 10},            // the first stake was never covered
                        Case{5, {}, false, 0}}) {          // no round, no stake
    std::vector<Step> steps;
    for (float net : c.nets) steps.push_back({10, c.start, net});
    const Walked walked = Marks(c.start, steps);
    EXPECT_EQ(walked.flat.ruined, c.ruined) << c.start << " " << c.nets.size();
    EXPECT_EQ(walked.flat.requiredBankroll, c.required) << c.start << " " << c.nets.size();
  }
  std::vector<Step> steps;
  for (float net : {1.5f, -2.0f, 1.0f, -0.5f, 2.0f, -1.0f}) steps.push_back({10, 100, net});
  const Walked walked = Marks(100, steps);
  EXPECT_EQ(walked.flatBankroll, 110);
  EXPECT_EQ(walked.flat.largestDrawdown, 20);  // 115 down to 95
  EXPECT_EQ(walked.flat.largestStake, 10);
}

// Round-by-round marks worked out the plain way, one round after another.
struct RoundByRound {
  double bankroll, peak, fall = 0, leastCover = RoundsTally::kNone, lowest = RoundsTally::kNone;
  double twin, twinPeak, twinFall = 0, twinLowBefore = RoundsTally::kNone;
  float largestStake = 0;
  explicit RoundByRound(double start)
      : bankroll(start), peak(start), twin(start), twinPeak(start) {}
  void Round(float stake, float net, float unit) {
    leastCover = std::min(leastCover, bankroll - stake);
    bankroll += static_cast<double>(net) * stake;
    lowest = std::min(lowest, bankroll);
    peak = std::max(peak, bankroll);
    fall = std::max(fall, peak - bankroll);
    largestStake = std::max(largestStake, stake);
    twinLowBefore = std::min(twinLowBefore, twin);
    twin += static_cast<double>(net) * unit;
    twinPeak = std::max(twinPeak, twin);
    twinFall = std::max(twinFall, twinPeak - twin);
  }
};

TEST(BankrollTallyTest, BatchesGiveTheMarksOfRoundByRound) {
  // Full batches are tallied four stretches at a time, short ones round by
  // round: a long session must come out as if each round were tallied on its
  // own, the twin and both walks included.
  for (const double start : {50.0, 20.0}) {
    std::mt19937 random(4);
    const float unit = 5;
    SessionMarks marks;
    marks.Start(start, unit, true);
    RoundByRound plain(start);
    WalkSampler walk;
    walk.Start(start);
    WalkSampler flatWalk;
    flatWalk.Start(start);
    const int rounds = 3001;
    std::size_t written = 0;
    // Sessions' batches are full but for the last; mixed sizes try both paths.
    std::size_t batch = BatchRoom::kRounds;
    for (int round = 1; round <= rounds; ++round) {
      const float stake = static_cast<float>(5 << (random() % 4));
      const float net = static_cast<float>(static_cast<int>(random() % 7) - 3) / 2;
      plain.Round(stake, net, unit);
      marks.Room().Write(BatchRoom::Place(written++), plain.bankroll, stake, net);
      if (written == batch || round == rounds) {
        marks.Add(written);
        written = 0;
        batch = batch == BatchRoom::kRounds ? 1 + random() % 300 % BatchRoom::kRounds
                                            : BatchRoom::kRounds;
      }
      const auto addOne = [round](WalkSampler& sampler, double bankroll) {
        sampler.AddRounds(round, 1, {bankroll, bankroll, bankroll},
                          [bankroll](std::size_t) { return bankroll; });
      };
      addOne(walk, plain.bankroll);
      addOne(flatWalk, plain.twin);
    }
    const BankrollMarks system = marks.SystemMarks();
    EXPECT_EQ(system.largestStake, plain.largestStake);
    EXPECT_EQ(system.largestDrawdown, plain.fall);
    EXPECT_EQ(system.ruined, plain.leastCover < 0 || plain.lowest <= 0);
    const BankrollMarks flat = marks.FlatMarks(rounds);
    EXPECT_EQ(marks.FlatBankroll(), plain.twin);
    EXPECT_EQ(flat.largestDrawdown, plain.twinFall);
    EXPECT_EQ(flat.ruined, plain.twinLowBefore < unit || plain.twin <= 0);
    const auto same = [](const std::vector<WalkPoint>& a, const std::vector<WalkPoint>& b) {
      ASSERT_EQ(a.size(), b.size());
      for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].round, b[i].round);
        EXPECT_EQ(a[i].bankroll, b[i].bankroll);
      }
    };
    same(system.walk, walk.Points());
    same(flat.walk, flatWalk.Points());
  }
}

TEST(BankrollTallyTest, TheWideKernelGivesTheInOrderTallyBitForBit) {
  // Bankrolls and a unit with every bit in use, so that any change in the
  // order of the arithmetic would show.
  if (!FoldKernelRuns(FoldKernel::kAvx2)) GTEST_SKIP() << "no AVX2 on this processor";
  std::mt19937_64 random(9);
  std::uniform_real_distribution<double> bankroll(-500, 5000);
  for (int batch = 0; batch < 50; ++batch) {
    BatchRoom room;
    for (std::size_t k = 0; k < BatchRoom::kRounds; ++k) {
      room.Write(k, bankroll(random), static_cast<float>(random() % 1000) / 8,
                 static_cast<float>(static_cast<int>(random() % 17) - 8) / 2);
    }
    const double before = bankroll(random);
    const float unit = static_cast<float>(bankroll(random));
    const RoundsTally inOrder =
        FoldBatch(room, BatchRoom::kRounds, before, unit, FoldKernel::kInOrder);
    const RoundsTally wide = FoldBatch(room, BatchRoom::kRounds, before, unit, FoldKernel::kAvx2);
    EXPECT_EQ(std::memcmp(&wide, &inOrder, sizeof wide), 0) << batch;
  }
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
  result.roundsPerHour = 50;
  const double needs[] = {300, 120, 80, 5000};  // the stopped session's counts nowhere
  for (std::size_t i = 0; i < 4; ++i) result.sessions[i].marks.requiredBankroll = needs[i];
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
  EXPECT_EQ(f.endedBy, (std::array<int, kEndCauses>{1, 1, 1, 0, 0, 1}));
  // System minus flat: (50, -50, 0) over 250 rounds.
  EXPECT_EQ(f.differencePerRound.value, 0);
  EXPECT_TRUE(f.differencePerRound.hasInterval);
  // 250 rounds at 50 an hour; winnings (100, -100, 0) over 2, 2 and 1 hours
  // leave squares of 20000 over 5 hours, 4000 an hour, times 3 / 2.
  EXPECT_EQ(f.system.hourly.hours, 5);
  EXPECT_EQ(f.system.hourly.winningsPerHour, 0);
  EXPECT_DOUBLE_EQ(f.system.hourly.standardDeviationPerHour, std::sqrt(6000.0));
  EXPECT_DOUBLE_EQ(f.flat.hourly.winningsPerHour, 0);
  // Required 300, 120, 80: 1 in 3 may go broke only at 50 %.
  EXPECT_EQ(f.system.bankrollForRuinRisk.bankroll, (std::array<double, 5>{300, 300, 300, 300, 120}));
  EXPECT_TRUE(f.system.bankrollForRuinRisk.available);
  // The same figures as the reader sees them, and in a CSV that a spreadsheet reads as numbers.
  result.sessions[0].rounds = 200000;
  EXPECT_NE(SessionsCsv(result).find("\n1,1,win limit,200000,100,2000,"), std::string::npos);
  EXPECT_EQ(SessionsCsv(result).find("e+"), std::string::npos);
  const std::pair<std::string, std::string> shown[] = {
      {"2920200.00", "$2,920,200.00"}, {"-49860.00 / 80.00", "-$49,860.00 / $80.00"},
      {"-0.8310 (-4.7773 to 3.1153)", "-$0.8310 (-$4.7773 to $3.1153)"}, {"100", "$100"}};
  for (const auto& [text, money] : shown) EXPECT_EQ(ScreenText(text, true), money);
  EXPECT_EQ(ScreenText("1234567 / 12.34567 %", false), "1,234,567 / 12.34567 %");
  result.sessionsFinished = 3;
  EXPECT_EQ(StoppedTestMessage(result)[0], "Test stopped: 3 of 4 sessions finished.");
  result.unitInPercent = true;
  EXPECT_FALSE(ComputeFigures(result).system.bankrollForRuinRisk.available);
}

TEST(TestFiguresTest, TheBankrollForARiskOfRuinLetsThatManySessionsGoBroke) {
  std::vector<double> required;  // 99 sessions needing 1 to 99 dollars
  for (int need = 99; need >= 1; --need) required.push_back(need);
  // 5 % of 99 is 4.95: 4 sessions may go broke, those needing 96 to 99.
  const std::pair<int, double> cases[] = {{1, 99}, {5, 95}, {10, 90}, {25, 75}, {50, 50}};
  for (const auto& [percent, bankroll] : cases) {
    EXPECT_EQ(BankrollForRuinRisk(required, percent), bankroll) << percent;
    EXPECT_LE(RuinRiskAt(required, bankroll), percent / 100.0);
    EXPECT_GT(RuinRiskAt(required, bankroll - 1), percent / 100.0);
  }
  EXPECT_EQ(BankrollForRuinRisk({}, 5), 0);
  EXPECT_EQ(RuinRiskAt({}, 5), 0);
  // The plotted steps fall at each need, from the share that any bankroll of 0 breaks.
  std::vector<std::pair<double, double>> steps;
  for (const RuinPoint& point : RuinRiskSteps({30, 10, 0, 10})) steps.push_back({point.bankroll, point.risk});
  EXPECT_EQ(steps, (std::vector<std::pair<double, double>>{{0, .75}, {10, .75}, {10, .25}, {30, .25}, {30, 0}}));
}

// Walks read at common rounds: on the line between kept points, and at its
// last bankroll after a session ended; a stopped session is left out.
TEST(TestFiguresTest, TheMeanWalkAndItsBandAreReadAtCommonRounds) {
  TestResult result;
  result.sessions.resize(3);
  result.sessions[0].marks.walk = {{0, 100}, {10, 200}};
  result.sessions[1].marks.walk = {{0, 100}, {5, 50}};  // ended at round 5
  result.sessions[2].marks.walk = {{0, 100}, {20, 900}};
  result.sessions[0].finished = result.sessions[1].finished = true;
  const WalkBand band = BandOfWalks(result, 3);
  EXPECT_EQ(band.rounds, (std::vector<double>{0, 5, 10}));
  EXPECT_EQ(band.mean, (std::vector<double>{100, 100, 125}));
  EXPECT_EQ(band.low, (std::vector<double>{100, 55, 57.5}));  // 5 % of the way up
  EXPECT_EQ(band.high, (std::vector<double>{100, 145, 192.5}));
}

}  // namespace
}  // namespace quorvel
