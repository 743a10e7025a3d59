// The flat-bet twin against a real flat-bet test, session ends, going broke, and how often the intervals cover.
#include <gtest/gtest.h>

#include "runs/test_figures.h"
#include "runs/test_runner.h"
#include "table_settings.h"

namespace quorvel {
namespace {

using testing::TableSettings;

AppliedSettings Martingale() {
  AppliedSettings settings = TableSettings(3);
  settings.progression.progressionEnabled = 1;
  settings.progression.ruleAction[1] = kMultiplyBet;  // after a loss
  settings.progression.ruleUnits[1] = 2;
  settings.progression.ruleAction[10] = kSetBet;  // after a win
  settings.progression.ruleUnits[10] = 1;
  return settings;
}

AppliedSettings Paroli() {
  AppliedSettings settings = TableSettings(3);
  settings.progression.progressionEnabled = 1;
  const std::pair<int, int8_t> rules[] = {{1, 1}, {10, 2}, {20, 4}, {30, 1}};  // wins x 10 + losses
  for (const auto& [index, units] : rules) {
    settings.progression.ruleAction[index] = kSetBet;
    settings.progression.ruleUnits[index] = units;
  }
  return settings;
}

TestResult RunPlan(const AppliedSettings& settings, const TestPlan& plan) {
  Simulator base;
  base.Seed(1);
  base.ApplySettings(settings);
  std::atomic<bool> stop{false};
  TestProgress progress;
  TestResult result;
  SessionStats stats;
  TestLog log;
  EXPECT_EQ(RunTest(base, plan, stop, progress, result, stats, log), std::nullopt);
  return result;
}

TestPlan Plan(int sessions, double hands, uint64_t seed) {
  TestPlan plan;
  plan.sessions = sessions;
  plan.handsPerSession = hands;
  plan.seed = seed;
  plan.threads = 2;
  return plan;
}

TEST(FlatTwinTest, SettlesLikeARealFlatTestOnTheSameSeed) {
  // A small bankroll too, so that ruin is compared both ways.
  for (const double bankroll : {1000.0, 120.0}) {
    AppliedSettings system = Martingale();
    AppliedSettings flat = TableSettings(3);
    system.money.bankroll = flat.money.bankroll = bankroll;
    const TestPlan plan = Plan(12, 5000, 77);
    const TestResult doubled = RunPlan(system, plan);
    const TestResult real = RunPlan(flat, plan);
    int ruined = 0;
    for (std::size_t i = 0; i < doubled.sessions.size(); ++i) {
      const SessionRecord& twin = doubled.sessions[i];
      const SessionRecord& flatSession = real.sessions[i];
      EXPECT_EQ(twin.flatBankroll, flatSession.bankroll) << i;
      EXPECT_EQ(twin.flatTotalBet, flatSession.totalBet) << i;
      EXPECT_EQ(twin.flatMarks.largestDrawdown, flatSession.marks.largestDrawdown) << i;
      EXPECT_EQ(twin.flatMarks.largestStake, flatSession.marks.largestStake) << i;
      EXPECT_EQ(twin.flatMarks.ruined, flatSession.marks.ruined) << i;
      ruined += flatSession.marks.ruined;
      // A flat system is its own twin.
      EXPECT_EQ(flatSession.flatBankroll, flatSession.bankroll) << i;
      // The doubling really ran: the stakes went past one unit.
      EXPECT_GT(twin.marks.largestStake, 10) << i;
      EXPECT_EQ(flatSession.marks.largestStake, 10) << i;
    }
    if (bankroll < 1000) {
      EXPECT_GT(ruined, 0);
      EXPECT_LT(ruined, 12);
    }
    EXPECT_EQ(ComputeFigures(doubled).flat.winnings, ComputeFigures(real).system.winnings);
  }
}

TEST(FlatTwinTest, TwinStopsWhereItsSessionStopped) {
  AppliedSettings settings = Martingale();
  settings.money.modes.lossLimitMode = 1;
  settings.money.lossLimit = 150;
  const TestResult result = RunPlan(settings, Plan(8, 20000, 5));
  int lossLimited = 0;
  for (const SessionRecord& session : result.sessions) {
    if (session.endCause != SessionEndCause::kLossLimit) continue;
    lossLimited += 1;
    EXPECT_LE(session.bankroll, 850);
    EXPECT_LT(session.rounds, 20000);
    // The twin played the session's rounds and no more: at least a stake a round.
    EXPECT_GE(session.flatTotalBet, session.rounds * 10);
  }
  EXPECT_GT(lossLimited, 0);
}

TEST(SessionEndTest, EachEndIsNamedByWhatEndedIt) {
  AppliedSettings winLimit = TableSettings(3);
  winLimit.money.modes.winLimitMode = 1;
  winLimit.money.winLimit = 50;
  AppliedSettings endRule = TableSettings(3);
  endRule.progression.progressionEnabled = 1;
  endRule.progression.ruleAction[3] = kEndSession;  // three losses in a row
  AppliedSettings poor = Martingale();
  poor.money.bankroll = 300;
  const std::pair<AppliedSettings, SessionEndCause> cases[] = {
      {TableSettings(3), SessionEndCause::kRoundCount},
      {winLimit, SessionEndCause::kWinLimit},
      {endRule, SessionEndCause::kEndRule},
      {poor, SessionEndCause::kBust}};
  for (const auto& [settings, cause] : cases) {
    TestPlan plan = Plan(4, 100000, 9);
    plan.endAtBust = cause == SessionEndCause::kBust;  // otherwise a session plays on below zero
    const TestResult result = RunPlan(settings, plan);
    for (const SessionRecord& session : result.sessions) EXPECT_EQ(session.endCause, cause);
    EXPECT_EQ(ComputeFigures(result).endedBy[static_cast<std::size_t>(cause)], 4);
  }
}

// Run again from the bankroll given for p % risk of ruin, going broke where a
// stake is not covered: exactly the sessions that needed more go broke, at
// most p %, and one dollar less breaks more.
TEST(SessionEndTest, TheBankrollForARiskOfRuinBreaksThatShareOfSessions) {
  AppliedSettings clamped = Martingale();
  clamped.tableMinimum = 25;
  clamped.tableMaximum = 160;
  AppliedSettings limited = Martingale();
  limited.money.modes.winLimitMode = 1;
  limited.money.winLimit = 150;
  limited.money.modes.lossLimitMode = 1;
  limited.money.lossLimit = 400;
  for (const AppliedSettings& settings : {TableSettings(3), Martingale(), Paroli(), clamped, limited}) {
    TestPlan plan = Plan(40, 400, 31);
    const TestResult free = RunPlan(settings, plan);
    const RuinRiskBankrolls ruin = ComputeFigures(free).system.bankrollForRuinRisk;
    plan.endAtBust = true;
    for (std::size_t i = 0; i < kRuinRiskPercents.size(); ++i) {
      for (const double start : {ruin.bankroll[i], ruin.bankroll[i] - 1}) {
        AppliedSettings poorer = settings;
        poorer.money.bankroll = static_cast<int32_t>(start);
        const TestResult busted = RunPlan(poorer, plan);
        int busts = 0;
        for (std::size_t k = 0; k < busted.sessions.size(); ++k) {
          const SessionRecord& session = busted.sessions[k];
          const bool bust = session.endCause == SessionEndCause::kBust;
          busts += bust;
          EXPECT_EQ(bust, free.sessions[k].marks.requiredBankroll > start) << k;
          // The same rounds as far as they went: broke, it needed more than it had.
          if (bust) {
            EXPECT_GT(session.marks.requiredBankroll, start) << k;
          } else {
            EXPECT_EQ(session.bankroll - start, free.sessions[k].bankroll - 1000) << k;
          }
        }
        EXPECT_EQ(busts <= kRuinRiskPercents[i] * 40 / 100, start == ruin.bankroll[i]) << start;
      }
    }
  }
}

TEST(SessionEndTest, LosingStreaksCountLostRoundsInARow) {
  const TestPlan plan = Plan(3, 300, 12);
  TestPlan traced = plan;
  traced.trace = true;
  const TestResult result = RunPlan(TableSettings(3), traced);
  for (const SessionRecord& session : result.sessions) {
    int32_t longest = 0;
    int32_t streak = 0;
    for (const TraceRow& row : session.trace) {
      if (row.net <= -1) longest = std::max(longest, ++streak);
      if (row.net >= 1) streak = 0;
    }
    EXPECT_EQ(session.longestLosingStreak, longest);
  }
}

// Over many short flat-bet tests, the 95 % interval of the winnings per dollar
// should hold the value of a very long run about 95 times in 100.
TEST(IntervalCoverageTest, FlatBetIntervalsCoverTheLongRunValue) {
  AppliedSettings settings = TableSettings(3);
  settings.rules.players = 1;
  settings.money.bankroll = 100000;
  const TestResult longRun = RunPlan(settings, Plan(100, 20000, 1));
  const double truth = ComputeFigures(longRun).system.perDollar.value;
  int covered = 0;
  constexpr int kTrials = 100;
  for (int trial = 0; trial < kTrials; ++trial) {
    const Estimate estimate =
        ComputeFigures(RunPlan(settings, Plan(20, 500, 1000 + static_cast<uint64_t>(trial)))).system.perDollar;
    ASSERT_TRUE(estimate.hasInterval);
    if (estimate.low <= truth && truth <= estimate.high) covered += 1;
  }
  EXPECT_GE(covered, 88);
  EXPECT_LE(covered, 99);
}

}  // namespace
}  // namespace quorvel
