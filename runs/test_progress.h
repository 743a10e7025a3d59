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
  void SessionFinished() { sessionsFinished_.fetch_add(1, std::memory_order_relaxed); }
  // Only while no worker runs.
  void Reset() {
    for (Counter& counter : counters_) counter.rounds.store(0, std::memory_order_relaxed);
    sessionsFinished_.store(0, std::memory_order_relaxed);
  }

  uint64_t Rounds() const {
    uint64_t total = 0;
    for (const Counter& counter : counters_) total += counter.rounds.load(std::memory_order_relaxed);
    return total;
  }
  int SessionsFinished() const { return sessionsFinished_.load(std::memory_order_relaxed); }

 private:
  struct alignas(64) Counter {
    std::atomic<uint64_t> rounds{0};
  };
  std::array<Counter, kMaxWorkers> counters_{};
  std::atomic<int> sessionsFinished_{0};
};

}  // namespace quorvel
