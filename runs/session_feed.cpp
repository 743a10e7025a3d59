// Running a share of a test's sessions on worker threads and handing them on in order.
#include "runs/session_feed.h"

#include <algorithm>

#include "engine/shuffle_random.h"
#include "money/whole_dollars.h"
#include "runs/session_marks.h"

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

// A session no worker took before the stop never left its start: its rows
// must not read as a bankroll lost.
SessionRecord UnplayedSession(const Simulator& base) {
  SessionRecord record;
  record.bankroll = record.flatBankroll = base.money.startingBankroll;
  record.track.maxHigh = record.track.maxLow = WholeDollars(base.money.startingBankroll);
  return record;
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

SessionShare SessionShare::Of(int sessions, int parts, int part) {
  constexpr int kBlocksAPart = 4;
  return {parts, part, std::clamp(sessions / (parts * kBlocksAPart), 1, 64)};
}

int SessionShare::Count(int sessions) const {
  const int blocks = sessions / block;  // whole ones
  const int owned = (blocks + parts - 1 - part) / parts;
  const int rest = sessions % block;  // the last block's, when it is not whole
  return owned * block + (rest > 0 && blocks % parts == part ? rest : 0);
}

int SessionShare::Session(int n) const { return (n / block * parts + part) * block + n % block; }

SessionFeed::SessionFeed(const Simulator& base, const TestPlan& plan, SessionShare share,
                         const std::atomic<bool>& stop, TestProgress& progress)
    : base_(base), plan_(plan), share_(share), stop_(stop), progress_(progress),
      count_(share.Count(plan.sessions)), window_(kWindow) {
  // Counted before any starts: a worker that finds nothing left leaves at once.
  const int workers = std::min(std::max(1, plan.threads), count_);
  working_ = workers;
  for (int worker = 0; worker < workers; ++worker) threads_.emplace_back(&SessionFeed::Work, this, worker);
}

SessionFeed::~SessionFeed() {
  {
    // A reader that leaves early lets the workers go after the session each is on.
    std::lock_guard<std::mutex> lock(mutex_);
    closing_ = true;
  }
  changed_.notify_all();
  for (std::thread& thread : threads_) thread.join();
}

void SessionFeed::Work(int worker) {
  uint64_t workerRounds = 0;
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return started_ < handedOn_ + kWindow || started_ >= count_ || closing_; });
    if (started_ >= count_ || closing_ || stop_.load(std::memory_order_relaxed)) break;
    const int n = started_++;
    lock.unlock();
    SessionRecord record;
    RunSession(base_, plan_, share_.Session(n) + 1, stop_, progress_, worker, workerRounds, record);
    lock.lock();
    window_[static_cast<std::size_t>(n % kWindow)] = std::move(record);
    changed_.notify_all();
  }
  working_ -= 1;
  changed_.notify_all();
}

bool SessionFeed::ReadyLocked() const {
  // Once every worker is gone, the sessions none of them took come empty.
  return handedOn_ >= count_ || window_[static_cast<std::size_t>(handedOn_ % kWindow)].has_value() ||
         (working_ == 0 && handedOn_ >= started_);
}

bool SessionFeed::WaitReady(std::chrono::milliseconds wait) {
  std::unique_lock<std::mutex> lock(mutex_);
  return changed_.wait_for(lock, wait, [this] { return ReadyLocked(); });
}

bool SessionFeed::Next(SessionRecord& record) {
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [this] { return ReadyLocked(); });
  if (handedOn_ >= count_) return false;
  std::optional<SessionRecord>& slot = window_[static_cast<std::size_t>(handedOn_ % kWindow)];
  record = slot ? std::move(*slot) : UnplayedSession(base_);
  slot.reset();
  handedOn_ += 1;
  lock.unlock();
  changed_.notify_all();
  return true;
}

}  // namespace quorvel
