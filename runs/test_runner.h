// An automatic test: sessions run in parallel on worker threads, merged in session order.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "runs/bankroll_tally.h"
#include "runs/hourly_figures.h"
#include "runs/session_stats.h"
#include "runs/simulator.h"
#include "runs/test_log.h"
#include "runs/test_progress.h"

namespace quorvel {

inline constexpr const char* kUnableToLoadData = "    Unable to Load Data. Please check OPTIONS.";

// Why the table must not deal: no chart loaded, or its file is damaged. The
// "Unable to Load Data" text, then the file and the reason when they are known.
std::optional<std::string> DealRefusal(const Simulator& table);

// The most sessions a test runs; the log page holds the first kLastSessionRow.
inline constexpr int kMostSessions = 10000000;

struct TestPlan {
  int sessions = 1;              // 1..kMostSessions; the log page only up to 99
  double handsPerSession = 1000; // 0: no round limit
  uint64_t seed = 0;
  int threads = 1;
  bool trace = false;            // keep one row per round
  bool walks = false;            // keep each session's downsampled bankroll walks
  // End a session before a round whose stake is more than the bankroll.
  bool endAtBust = false;
  double roundsPerHour = kDefaultRoundsPerHour;  // above 0
};

// Whether the log page (99 rows) can hold the plan's sessions.
inline bool PlanHasLog(const TestPlan& plan) { return plan.sessions <= kLastSessionRow; }

// Refuses a plan the test cannot run, with a message for the user.
std::optional<std::string> CheckPlan(const TestPlan& plan);

// Whether a session of the plan can end on its own: it has a round limit, a
// win or loss limit, or an active END SESSION rule. Otherwise the test runs
// until it is stopped.
bool SessionsCanEnd(const Simulator& base, const TestPlan& plan);

// One round of a traced test.
struct TraceRow {
  int32_t round = 0;
  float net = 0;        // result in stakes
  float stake = 0;      // dollars
  double bankroll = 0;  // after the round
  float betUnits = 0;   // after the round
  int rule = -1;        // progression rule that fired, -1 for none
};

struct SessionRecord {
  bool finished = false;
  double rounds = 0;
  double bankroll = 0;  // at its end, or where it was stopped
  SessionTrack track;   // high and low with their round numbers
  int32_t handsWon = 0;
  int32_t handsLost = 0;
  double totalBet = 0;
  int32_t winsInRow = 0;  // where the session ended or was stopped
  int32_t lossesInRow = 0;
  SessionEndCause endCause = SessionEndCause::kStopped;
  int32_t longestLosingStreak = 0;  // lost rounds in a row; pushes do not break it
  BankrollMarks marks;
  // The flat-bet twin: the same rounds at the session's first unit.
  float flatUnit = 0;
  double flatBankroll = 0;
  double flatTotalBet = 0;
  BankrollMarks flatMarks;
  std::vector<TraceRow> trace;
  // A stopped session's table as it was stopped: stake, progression history, shoe.
  std::shared_ptr<const Simulator> table;
};

struct TestResult {
  double startingBankroll = 0;
  // With the unit a percent of the bankroll, the rounds depend on the
  // starting bankroll, and no required bankroll holds for another.
  bool unitInPercent = false;
  double roundsPerHour = kDefaultRoundsPerHour;
  std::vector<SessionRecord> sessions;  // one per requested session, in order
  bool stopped = false;
  int sessionsFinished = 0;
  // Rounds played by the sessions a stop cut short; the counters below include them.
  double unfinishedRounds = 0;
  // Counters over the whole test: sums over its sessions.
  double handsPlayed = 0;
  int32_t handsWon = 0;
  int32_t handsLost = 0;
  double totalBet = 0;
  // Money won over all sessions, finished or not.
  double winnings = 0;
  // The bankroll as the table shows it after the test: the starting
  // bankroll, or that of the first session that was stopped, with that
  // session's wins and losses in a row.
  double bankroll = 0;
  int32_t winsInRow = 0;
  int32_t lossesInRow = 0;
  // The table of that stopped session, which manual play carries on.
  std::shared_ptr<const Simulator> stoppedTable;
};

// Runs the plan from a table whose settings were just applied. Finished
// sessions are written into `stats` (rows 1..N) and the log page is built
// when the plan has one.
// Returns a message instead when the test cannot start.
std::optional<std::string> RunTest(const Simulator& base, const TestPlan& plan,
                                   const std::atomic<bool>& stop, TestProgress& progress,
                                   TestResult& result, SessionStats& stats, TestLog& log);

}  // namespace quorvel
