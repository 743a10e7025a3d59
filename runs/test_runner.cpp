// Running the sessions of a test on worker threads and merging their results.
#include "runs/test_runner.h"

#include <cctype>

#include <algorithm>
#include <cmath>
#include <thread>

#include "engine/shuffle_random.h"
#include "runs/session_marks.h"
#include "money/whole_dollars.h"

namespace quorvel {
namespace {

constexpr uint64_t kProgressEvery = 4096;  // rounds between progress updates

// Plays up to a batch of rounds, writing each down; returns how many. The
// traced loop is a separate copy so that the untraced one carries none of it.
// With kBust, a round whose stake the bankroll cannot cover is not dealt: the
// session goes broke there.
template <bool kTrace, bool kBust>
std::size_t PlayBatch(Simulator& table, BatchRoom& room, int32_t& longestStreak,
                      std::vector<TraceRow>& trace, bool& bust) {
  // Round k of the batch goes to lane k / kRows, row k % kRows.
  for (std::size_t lane = 0; lane < BatchRoom::kLanes; ++lane) {
    for (std::size_t place = lane; place < BatchRoom::kRounds; place += BatchRoom::kLanes) {
      const float stake = table.money.bet;
      if constexpr (kBust) {
        if (stake > table.money.bankroll) {
          bust = true;
          return lane * BatchRoom::kRows + place / BatchRoom::kLanes;
        }
      }
      table.DealCards();
      room.Write(place, table.money.bankroll, stake, table.LastNet());
      // The table's losses in a row are the losing streak: within a session
      // only a win resets them, and a push leaves them.
      longestStreak = std::max(longestStreak, table.money.lossesInRow);
      if constexpr (kTrace) {
        // Rules are matched only after a won or lost round.
        const bool matched = table.LastRoundOutcome() != 0 && table.progression.Enabled();
        trace.push_back({table.Track().sessionHand, table.LastNet(), stake, table.money.bankroll,
                         table.money.betUnits, matched ? table.progression.FiredRule() : -1});
      }
      if (table.SessionOver()) return lane * BatchRoom::kRows + place / BatchRoom::kLanes + 1;
    }
  }
  return BatchRoom::kRounds;
}

using BatchPlayer = std::size_t (*)(Simulator&, BatchRoom&, int32_t&, std::vector<TraceRow>&, bool&);
BatchPlayer PlayerFor(const TestPlan& plan) {
  if (plan.trace) return plan.endAtBust ? PlayBatch<true, true> : PlayBatch<true, false>;
  return plan.endAtBust ? PlayBatch<false, true> : PlayBatch<false, false>;
}

void RunSession(const Simulator& base, const TestPlan& plan, int session,
                const std::atomic<bool>& stop, TestProgress& progress, int worker,
                uint64_t& workerRounds, SessionRecord& record) {
  Simulator table(base, nullptr);
  table.StartSession(SessionStreamState(plan.seed, static_cast<uint64_t>(session)),
                     plan.handsPerSession);
  const double start = table.money.bankroll;
  SessionMarks marks;
  marks.Start(start, table.money.unitDollars, plan.walks);
  int32_t longestStreak = 0;
  uint64_t sinceUpdate = 0;
  bool bust = false;
  const BatchPlayer playBatch = PlayerFor(plan);
  // A batch at a time: the stop, the progress and the marks are looked at
  // between batches, which keeps the round itself lean.
  while (!table.SessionOver() && !bust && !stop.load(std::memory_order_relaxed)) {
    const std::size_t played = playBatch(table, marks.Room(), longestStreak, record.trace, bust);
    marks.Add(played);
    sinceUpdate += played;
    if (sinceUpdate >= kProgressEvery) {
      workerRounds += sinceUpdate;
      sinceUpdate = 0;
      progress.SetRounds(worker, workerRounds);
    }
  }
  workerRounds += sinceUpdate;
  progress.SetRounds(worker, workerRounds);
  if (bust) marks.Refused(table.money.bankroll, table.money.bet);
  record.finished = table.SessionOver() || bust;
  record.endCause = bust ? SessionEndCause::kBust
                    : record.finished ? table.EndCause()
                                      : SessionEndCause::kStopped;
  record.rounds = table.run.handsPlayed;
  record.bankroll = table.money.bankroll;
  record.track = table.Track();
  // Broke before its first round: the session's high and low are its start.
  if (record.rounds == 0) record.track.maxHigh = record.track.maxLow = WholeDollars(start);
  record.handsWon = table.money.handsWon;
  record.handsLost = table.money.handsLost;
  record.totalBet = table.money.totalBet;
  record.winsInRow = table.money.winsInRow;
  record.lossesInRow = table.money.lossesInRow;
  record.longestLosingStreak = longestStreak;
  record.marks = marks.SystemMarks();
  record.flatUnit = marks.FlatUnit();
  record.flatBankroll = marks.FlatBankroll();
  // The table counts the whole stakes its hands put at risk; at a whole-dollar
  // unit their product is the same sum as adding the stakes one by one.
  record.flatTotalBet = table.money.stakesPlayed * record.flatUnit;
  record.flatMarks = marks.FlatMarks(record.rounds);
  if (!record.finished && record.rounds > 0) record.table = std::make_shared<Simulator>(table, nullptr);
  if (record.finished) {
    progress.SessionFinished(record.rounds, record.bankroll - base.money.startingBankroll,
                             record.totalBet);
  }
}

}  // namespace

std::optional<std::string> DealRefusal(const Simulator& table) {
  if (const std::optional<std::string>& problem = table.ChartProblem()) {
    std::string reason = *problem;
    if (!reason.empty()) reason[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(reason[0])));
    return std::string(kUnableToLoadData) + "\n" + reason + ".";
  }
  if (!table.engine.chart.Loaded()) return std::string(kUnableToLoadData);
  return std::nullopt;
}

std::optional<std::string> CheckPlan(const TestPlan& plan) {
  if (plan.sessions < 1 || plan.sessions > kMostSessions) {
    return "The number of sessions must be from 1 to 100000.";
  }
  if (!std::isfinite(plan.handsPerSession) || plan.handsPerSession < 0) {
    return "The number of hands per session must be 0 (no limit) or more.";
  }
  if (plan.threads < 1 || plan.threads > kMaxWorkers) {
    return "The number of threads must be from 1 to 64.";
  }
  if (!(plan.roundsPerHour > 0) || !std::isfinite(plan.roundsPerHour)) {
    return "The number of rounds per hour must be more than 0.";
  }
  return std::nullopt;
}

int WorkerCount(const TestPlan& plan) { return std::max(1, std::min(plan.threads, plan.sessions)); }

bool SessionsCanEnd(const Simulator& base, const TestPlan& plan) {
  const LimitModes& modes = base.Modes();
  if (plan.handsPerSession > 0 || modes.winLimitMode == 1 || modes.winLimitMode == 2 ||
      modes.lossLimitMode == 1) {
    return true;
  }
  const ActiveRuleList& rules = base.progression.ActiveRules();
  for (int i = 0; i < rules.count; ++i) {
    // The rule at 0 wins and 0 losses waits for nothing, so it never acts.
    const int rule = rules.index[i];
    if (rule != 0 && base.progression.Table().ruleAction[rule] == kEndSession) return true;
  }
  return false;
}

std::optional<std::string> RunTest(const Simulator& base, const TestPlan& plan,
                                   const std::atomic<bool>& stop, TestProgress& progress,
                                   TestResult& result, SessionStats& stats, TestLog& log) {
  if (auto problem = CheckPlan(plan)) return problem;
  if (!base.engine.chart.Loaded()) return std::string(kUnableToLoadData);

  result = TestResult{};
  result.startingBankroll = base.money.startingBankroll;
  result.unitInPercent = base.money.unitFraction != 0;
  result.roundsPerHour = plan.roundsPerHour;
  result.sessions.resize(static_cast<size_t>(plan.sessions));
  std::atomic<int> nextSession{0};
  const int workers = WorkerCount(plan);
  auto work = [&](int worker) {
    uint64_t workerRounds = 0;
    for (int session = nextSession.fetch_add(1); session < plan.sessions;
         session = nextSession.fetch_add(1)) {
      if (stop.load(std::memory_order_relaxed)) break;
      RunSession(base, plan, session + 1, stop, progress, worker, workerRounds,
                 result.sessions[static_cast<size_t>(session)]);
    }
  };
  std::vector<std::thread> threads;
  for (int worker = 1; worker < workers; ++worker) threads.emplace_back(work, worker);
  work(0);
  for (std::thread& thread : threads) thread.join();

  // Merge in session order, so the outcome does not depend on the threads.
  const double start = base.money.startingBankroll;
  stats.startDollars = WholeDollars(start);
  const bool logged = PlanHasLog(plan);
  if (logged) log.Start(plan.sessions);
  result.bankroll = start;
  bool stoppedSessionSeen = false;
  for (int index = 0; index < plan.sessions; ++index) {
    const SessionRecord& record = result.sessions[static_cast<size_t>(index)];
    result.handsPlayed += record.rounds;
    result.handsWon += record.handsWon;
    result.handsLost += record.handsLost;
    result.totalBet += record.totalBet;
    if (record.rounds > 0) result.winnings += record.bankroll - start;
    if (record.finished) {
      result.sessionsFinished += 1;
      if (!logged) continue;
      const SessionTrack& track = record.track;
      LogHighLow(stats, log.LogLine(), WholeDollars(record.bankroll), track.maxHigh,
                 track.maxHighHand, track.maxLow, track.maxLowHand,
                 static_cast<int8_t>(plan.sessions - index));
    } else {
      result.stopped = true;
      result.unfinishedRounds += record.rounds;
      if (!stoppedSessionSeen && record.rounds > 0) {
        result.bankroll = record.bankroll;
        result.winsInRow = record.winsInRow;
        result.lossesInRow = record.lossesInRow;
        result.stoppedTable = record.table;
        stoppedSessionSeen = true;
      }
    }
  }
  if (logged) log.Review(stats);
  return std::nullopt;
}

}  // namespace quorvel
