// Live progress of a running test, readable from another thread without locks.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>

namespace quorvel {

inline constexpr int kMaxWorkers = 64;

class TestProgress {
 public:
  // Each worker owns one padded counter, so counting rounds costs no shared
  // cache line.
  void SetRounds(int worker, uint64_t rounds) {
    counters_[worker].rounds.store(rounds, std::memory_order_relaxed);
  }
  // Rounds run elsewhere (another process of the same test) and reported here.
  void SetOtherRounds(uint64_t rounds) { otherRounds_.store(rounds, std::memory_order_relaxed); }
  // A finished session adds its rounds, winnings and stakes to the live figures.
  void SessionFinished(double rounds, double winnings, double totalBet) {
    finishedRounds_.fetch_add(rounds, std::memory_order_relaxed);
    finishedWinnings_.fetch_add(winnings, std::memory_order_relaxed);
    finishedTotalBet_.fetch_add(totalBet, std::memory_order_relaxed);
    sessionsFinished_.fetch_add(1, std::memory_order_release);
  }
  // Only while no worker runs.
  void Reset() {
    for (Counter& counter : counters_) counter.rounds.store(0, std::memory_order_relaxed);
    otherRounds_.store(0, std::memory_order_relaxed);
    sessionsFinished_.store(0, std::memory_order_relaxed);
    finishedRounds_.store(0, std::memory_order_relaxed);
    finishedWinnings_.store(0, std::memory_order_relaxed);
    finishedTotalBet_.store(0, std::memory_order_relaxed);
  }

  uint64_t Rounds() const {
    uint64_t total = otherRounds_.load(std::memory_order_relaxed);
    for (const Counter& counter : counters_) total += counter.rounds.load(std::memory_order_relaxed);
    return total;
  }
  int SessionsFinished() const { return sessionsFinished_.load(std::memory_order_acquire); }
  // Sums over the sessions finished so far.
  double FinishedRounds() const { return finishedRounds_.load(std::memory_order_relaxed); }
  double FinishedWinnings() const { return finishedWinnings_.load(std::memory_order_relaxed); }
  double FinishedTotalBet() const { return finishedTotalBet_.load(std::memory_order_relaxed); }

 private:
  struct alignas(64) Counter {
    std::atomic<uint64_t> rounds{0};
  };
  std::array<Counter, kMaxWorkers> counters_{};
  std::atomic<uint64_t> otherRounds_{0};
  std::atomic<int> sessionsFinished_{0};
  std::atomic<double> finishedRounds_{0};
  std::atomic<double> finishedWinnings_{0};
  std::atomic<double> finishedTotalBet_{0};
};

}  // namespace quorvel
