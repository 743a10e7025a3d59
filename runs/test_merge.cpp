// Merging session records in session order, so the outcome does not depend on who ran them.
#include "runs/test_merge.h"

#include "money/whole_dollars.h"

namespace quorvel {

TestMerge::TestMerge(const Simulator& base, const TestPlan& plan, bool keepSessions, TestResult& result,
                     SessionStats& stats, TestLog& log)
    : plan_(plan), keepSessions_(keepSessions), result_(result), stats_(stats), log_(log) {
  result_ = TestResult{};
  result_.startingBankroll = base.money.startingBankroll;
  result_.unitInPercent = base.money.unitFraction != 0;
  result_.roundsPerHour = plan.roundsPerHour;
  result_.bankroll = result_.startingBankroll;
  columns_ = FigureColumns(result_, plan.sessions);
  if (keepSessions_) result_.sessions.reserve(static_cast<std::size_t>(plan.sessions));
  stats_.startDollars = WholeDollars(result_.startingBankroll);
  if (PlanHasLog(plan_)) log_.Start(plan_.sessions);
}

void TestMerge::Add(const SessionRecord& record) {
  const int index = added_++;
  if (keepSessions_) result_.sessions.push_back(record);
  columns_.Add(record);
  result_.handsPlayed += record.rounds;
  result_.handsWon += record.handsWon;
  result_.handsLost += record.handsLost;
  result_.totalBet += record.totalBet;
  if (record.rounds > 0) result_.winnings += record.bankroll - result_.startingBankroll;
  if (record.finished) {
    result_.sessionsFinished += 1;
    if (!PlanHasLog(plan_)) return;
    const SessionTrack& track = record.track;
    LogHighLow(stats_, log_.LogLine(), WholeDollars(record.bankroll), track.maxHigh, track.maxHighHand,
               track.maxLow, track.maxLowHand, static_cast<int8_t>(plan_.sessions - index));
    return;
  }
  result_.stopped = true;
  result_.unfinishedRounds += record.rounds;
  if (!stoppedSessionSeen_ && record.rounds > 0) {
    result_.bankroll = record.bankroll;
    result_.winsInRow = record.winsInRow;
    result_.lossesInRow = record.lossesInRow;
    result_.stoppedTable = record.table;
    stoppedSessionSeen_ = true;
  }
}

void TestMerge::Finish() {
  if (PlanHasLog(plan_)) log_.Review(stats_);
}

}  // namespace quorvel
