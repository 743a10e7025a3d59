// Automatic tests: sessions, early ends, stopping, the log rows and reproducibility.
#include <gtest/gtest.h>

#include "runs/test_runner.h"

#include <algorithm>
#include <cmath>
#include <thread>
#include <tuple>
#include <vector>

#include "runs/session_feed.h"
#include "runs/session_message.h"
#include "table_settings.h"

namespace quorvel {
namespace {

using testing::TableSettings;

struct TestBench {
  Simulator base;
  TestPlan plan;
  std::atomic<bool> stop{false};
  TestProgress progress;
  TestResult result;
  SessionStats stats;
  TestLog log;

  explicit TestBench(const AppliedSettings& settings = TableSettings(2)) {
    base.Seed(1);
    base.ApplySettings(settings);
    plan.seed = 2026;
  }
  std::optional<std::string> Go() { return RunTest(base, plan, stop, progress, result, stats, log); }
};

TEST(TestRunnerTest, SessionsOfFixedLengthAreAllLogged) {
  TestBench run;
  run.plan.sessions = 2;
  run.plan.handsPerSession = 1000;
  ASSERT_EQ(run.Go(), std::nullopt);
  EXPECT_FALSE(run.result.stopped);
  EXPECT_EQ(run.result.handsPlayed, 2000);
  EXPECT_EQ(run.result.sessionsFinished, 2);
  EXPECT_EQ(run.result.unfinishedRounds, 0);
  EXPECT_EQ(run.progress.Rounds(), 2000u);
  EXPECT_EQ(run.progress.SessionsFinished(), 2);
  EXPECT_EQ(run.result.bankroll, 1000);  // every session returns to the start
  for (int row = 1; row <= 2; ++row) {
    const SessionRecord& session = run.result.sessions[row - 1];
    EXPECT_TRUE(session.finished);
    EXPECT_EQ(session.rounds, 1000);
    EXPECT_EQ(run.stats.sessionWinnings[row], static_cast<int32_t>(session.bankroll) - 1000);
    EXPECT_GE(run.stats.sessionMaxHigh[row], run.stats.sessionMaxLow[row]);
    EXPECT_LE(run.stats.sessionMaxHighHand[row], 1000);
    EXPECT_FALSE(run.log.Lines()[row].empty());
  }
  EXPECT_EQ(run.log.Lines()[3], "__________________________");
}

TEST(TestRunnerTest, OneSeedGivesOneLogWhateverTheThreads) {
  TestBench one;
  one.plan.sessions = 6;
  one.plan.handsPerSession = 3000;
  one.plan.threads = 1;
  TestBench two;
  two.plan = one.plan;
  two.plan.threads = 2;
  ASSERT_EQ(one.Go(), std::nullopt);
  ASSERT_EQ(two.Go(), std::nullopt);
  EXPECT_EQ(one.log.Lines(), two.log.Lines());
  EXPECT_EQ(one.result.totalBet, two.result.totalBet);
  EXPECT_EQ(one.result.handsWon, two.result.handsWon);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(one.result.sessions[i].bankroll, two.result.sessions[i].bankroll);
  // Sessions have streams of their own: they do not repeat each other.
  EXPECT_NE(one.result.sessions[0].bankroll, one.result.sessions[1].bankroll);
}

TEST(TestRunnerTest, EverySessionGoesToOnePartInOrder) {
  for (const auto& [sessions, parts] : {std::pair{1, 1}, {64, 2}, {65, 2}, {200, 3}, {129, 4}, {9000, 7}}) {
    std::vector<int> owner(static_cast<std::size_t>(sessions), -1);
    for (int part = 0; part < parts; ++part) {
      const SessionShare share = SessionShare::Of(sessions, parts, part);
      // Even a small test keeps every part busy.
      EXPECT_GE(share.Count(sessions), sessions / parts / 2) << sessions << " in " << parts;
      for (int n = 0; n < share.Count(sessions); ++n) {
        const auto session = static_cast<std::size_t>(share.Session(n));
        EXPECT_EQ(owner.at(session), -1) << "session " << session << " twice";
        EXPECT_EQ(share.OwnerOf(static_cast<int>(session)), part);
        EXPECT_TRUE(n == 0 || share.Session(n) > share.Session(n - 1)) << "out of order at " << n;
        owner[session] = part;
      }
    }
    EXPECT_EQ(std::count(owner.begin(), owner.end(), -1), 0) << sessions << " sessions in " << parts;
  }
}

// A part of a test run elsewhere and sent as bytes gives the very sessions of the whole test.
TEST(TestRunnerTest, APartSentAsBytesGivesTheSessionsOfTheWholeTest) {
  TestBench whole;
  whole.plan.sessions = 150;
  whole.plan.handsPerSession = 40;
  whole.plan.threads = 2;
  whole.plan.trace = true;
  whole.plan.walks = true;
  ASSERT_EQ(whole.Go(), std::nullopt);
  const SessionShare share{2, 1};
  TestProgress progress;
  SessionFeed feed(whole.base, whole.plan, share, whole.stop, progress);
  std::string bytes;
  for (int n = 0; n < share.Count(whole.plan.sessions); ++n) {
    SessionRecord record;
    ASSERT_TRUE(feed.Next(record));
    PackSession(share.Session(n) + 1, record, bytes);
  }
  SessionRecord extra;
  EXPECT_FALSE(feed.Next(extra));
  std::string_view rest = bytes;
  for (int n = 0; n < share.Count(whole.plan.sessions); ++n) {
    const int session = share.Session(n);
    std::string_view peek = rest;
    EXPECT_FALSE(UnpackSession(session + 2, peek).has_value()) << "another number";
    const std::optional<SessionRecord> got = UnpackSession(session + 1, rest);
    ASSERT_TRUE(got.has_value());
    const SessionRecord& want = whole.result.sessions[static_cast<std::size_t>(session)];
    EXPECT_EQ(got->flatBankroll, want.flatBankroll);
    EXPECT_EQ(got->marks.walk.size(), want.marks.walk.size());
    EXPECT_EQ(got->trace.back().bankroll, want.trace.back().bankroll);
  }
  EXPECT_TRUE(rest.empty());
  std::string_view cut = std::string_view(bytes).substr(0, 20);
  EXPECT_FALSE(UnpackSession(share.Session(0) + 1, cut).has_value());
  // A part with no block of a small test runs nothing.
  whole.plan.sessions = 1;
  EXPECT_EQ(SessionFeed(whole.base, whole.plan, share, whole.stop, progress).Workers(), 0);
}

TEST(TestRunnerTest, ALossLimitEndsASessionEarlyAndTheNextStartsAfresh) {
  AppliedSettings settings = TableSettings(2);
  settings.money.modes.lossLimitMode = 1;
  settings.money.lossLimit = 100;
  TestBench run(settings);
  run.plan.sessions = 3;
  run.plan.handsPerSession = 100000;
  ASSERT_EQ(run.Go(), std::nullopt);
  for (int row = 1; row <= 3; ++row) {
    const SessionRecord& session = run.result.sessions[row - 1];
    EXPECT_TRUE(session.finished);
    EXPECT_LT(session.rounds, 100000);
    EXPECT_LE(session.bankroll, 900);
    EXPECT_EQ(run.stats.sessionMaxLow[row], static_cast<int32_t>(session.bankroll));
    EXPECT_EQ(run.stats.sessionMaxLowHand[row], session.rounds);  // a round number, not dollars
  }
}

TEST(TestRunnerTest, NoLimitSessionsRunUntilALimitEndsEach) {
  AppliedSettings settings = TableSettings(2);
  settings.money.modes = {1, 1};
  settings.money.winLimit = 50;
  settings.money.lossLimit = 50;
  TestBench run(settings);
  run.plan.sessions = 5;
  run.plan.handsPerSession = 0;
  ASSERT_EQ(run.Go(), std::nullopt);
  for (const SessionRecord& session : run.result.sessions) {
    EXPECT_TRUE(session.finished);
    EXPECT_TRUE(session.bankroll >= 1050 || session.bankroll <= 950);
    EXPECT_GT(session.track.sessionHand, 1);  // not a session of one round
    EXPECT_EQ(session.track.sessionHand, session.rounds);
  }
}

TEST(TestRunnerTest, AStopSaysHowManyFinishedAndWhatTheUnfinishedPlayed) {
  TestBench early;  // stopped before its first round
  early.plan.sessions = 3;
  early.stop = true;
  ASSERT_EQ(early.Go(), std::nullopt);
  EXPECT_TRUE(early.result.stopped);
  EXPECT_EQ(early.result.handsPlayed, 0);
  // The page still has a row per requested session, from the (empty) tables.
  EXPECT_EQ(early.stats.sessionWinnings[1], 0);
  EXPECT_FALSE(early.log.Lines()[3].empty());

  // Sessions without any end: a stop leaves every one unfinished, after rounds were played.
  TestBench endless;
  endless.plan.sessions = 3;
  endless.plan.threads = 2;
  endless.plan.handsPerSession = 0;
  std::thread stopper([&endless] {
    while (endless.progress.Rounds() < 20000) std::this_thread::yield();
    endless.stop = true;
  });
  ASSERT_EQ(endless.Go(), std::nullopt);
  stopper.join();
  EXPECT_TRUE(endless.result.stopped);
  EXPECT_EQ(endless.result.sessionsFinished, 0);
  EXPECT_GE(endless.result.unfinishedRounds, 20000);
  EXPECT_EQ(endless.result.unfinishedRounds, endless.result.handsPlayed);
}

TEST(TestRunnerTest, KnowsWhetherASessionCanEndOnItsOwn) {
  struct Case {
    const char* what;
    double handsPerSession;
    LimitModes modes;
    int8_t ruleAction;  // of rule 0,1 unless `rule` says otherwise
    uint8_t progressionEnabled;
    bool canEnd;
    int rule = 1;
  };
  const Case cases[] = {
      {"a round limit", 100, {0, 0}, 0, 0, true},
      {"nothing", 0, {0, 0}, 0, 0, false},
      {"a win limit", 0, {1, 0}, 0, 0, true},
      {"a win limit at the first loss after it", 0, {2, 0}, 0, 0, true},
      {"a loss limit", 0, {0, 1}, 0, 0, true},
      {"a win limit choice no item has", 0, {7, 0}, 0, 0, false},
      {"an END SESSION rule", 0, {0, 0}, kEndSession, 1, true},
      {"an END SESSION rule while progression is off", 0, {0, 0}, kEndSession, 0, false},
      {"only other rules", 0, {0, 0}, kMultiplyBet, 1, false},
      {"an END SESSION rule at 0 wins and 0 losses, which never acts", 0, {0, 0}, kEndSession, 1, false, 0},
  };
  for (const Case& c : cases) {
    AppliedSettings settings = TableSettings(2);
    settings.money.modes = c.modes;
    settings.money.winLimit = settings.money.lossLimit = 100;
    settings.progression.ruleAction[c.rule] = c.ruleAction;
    settings.progression.ruleUnits[c.rule] = 2;
    settings.progression.progressionEnabled = c.progressionEnabled;
    TestBench run(settings);
    run.plan.handsPerSession = c.handsPerSession;
    EXPECT_EQ(SessionsCanEnd(run.base, run.plan), c.canEnd) << c.what;
  }
}

TEST(TestRunnerTest, RefusesImpossiblePlansAndAMissingChart) {
  for (int sessions : {0, -1, kMostSessions + 1}) {
    TestBench run;
    run.plan.sessions = sessions;
    EXPECT_NE(run.Go(), std::nullopt) << sessions;
  }
  TestBench negative;
  negative.plan.handsPerSession = -5;
  EXPECT_NE(negative.Go(), std::nullopt);

  TestBench noChart;
  noChart.base.engine.chart = StrategyChart{};
  EXPECT_EQ(noChart.Go(), std::string("    Unable to Load Data. Please check OPTIONS."));
}

TEST(SessionStartTest, ClampsTheFirstStakeAndDisarmsTheWinLimit) {
  AppliedSettings settings = TableSettings(2);
  settings.tableMinimum = 25;
  Simulator base;
  base.ApplySettings(settings);
  base.money.stopAtNextLoss = true;
  base.money.bankroll = 1234;
  Simulator session(base, nullptr);
  session.StartSession(7, 1000);
  EXPECT_EQ(session.money.bet, 25);
  EXPECT_FALSE(session.money.stopAtNextLoss);
  EXPECT_EQ(session.money.bankroll, 1000);
  EXPECT_EQ(session.engine.shoe.drawPosition, 0);
}

// A $1 unit pays blackjacks in half dollars, so an exact high or low can come
// back within the same whole dollar; the round is the one it was first reached at.
TEST(SessionStartTest, HighAndLowKeepTheRoundTheyWereFirstReachedAt) {
  AppliedSettings settings = TableSettings(2, 50);
  settings.money.unitDollars = 1;
  settings.tableMinimum = 1;
  Simulator base;
  base.ApplySettings(settings);
  int halfDollarReturns = 0;
  for (uint64_t stream = 1; stream <= 20; ++stream) {
    Simulator session(base, nullptr);
    session.StartSession(stream, 500);
    std::vector<double> after;
    while (!session.SessionOver()) {
      session.DealCards();
      after.push_back(session.money.bankroll);
    }
    const auto high = std::max_element(after.begin(), after.end());  // the first of equals
    const auto low = std::min_element(after.begin(), after.end());
    for (auto extreme : {high, low}) {
      const bool comesBack = std::count(after.begin(), after.end(), *extreme) > 1;
      halfDollarReturns += comesBack && *extreme != std::trunc(*extreme);
    }
    EXPECT_EQ(session.Track().maxHigh, static_cast<int32_t>(*high));
    EXPECT_EQ(session.Track().maxLow, static_cast<int32_t>(*low));
    EXPECT_EQ(session.Track().maxHighHand, high - after.begin() + 1);
    EXPECT_EQ(session.Track().maxLowHand, low - after.begin() + 1);
  }
  EXPECT_GT(halfDollarReturns, 0);
}

}  // namespace
}  // namespace quorvel
