// Running a share of a test's sessions on worker threads, handed on one at a time in session order.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "runs/test_runner.h"

namespace quorvel {

// The sessions of a test go out in blocks, dealt in turn to the `parts`
// processes that share it; one process runs them all.
struct SessionShare {
  int parts = 1;
  int part = 0;    // 0..parts-1: this process
  int block = 64;  // sessions a block

  // Blocks small enough that every part gets several of a small test, and
  // at most 64 sessions, so a part's results go out in pieces of some 6 KB.
  static SessionShare Of(int sessions, int parts, int part);
  // Which part runs the block that holds session `index` (0-based).
  int OwnerOf(int index) const { return index / block % parts; }
  // How many of `sessions` sessions this part runs, and the n-th of them (0-based).
  int Count(int sessions) const;
  int Session(int n) const;
};

class SessionFeed {
 public:
  // Starts up to plan.threads workers on the share's sessions; `progress`
  // counts their rounds, one counter a worker.
  SessionFeed(const Simulator& base, const TestPlan& plan, SessionShare share,
              const std::atomic<bool>& stop, TestProgress& progress);
  ~SessionFeed();
  SessionFeed(const SessionFeed&) = delete;
  SessionFeed& operator=(const SessionFeed&) = delete;

  int Workers() const { return static_cast<int>(threads_.size()); }
  // Waits up to `wait` for the next session (or the end); whether it came.
  bool WaitReady(std::chrono::milliseconds wait);
  // The next session of the share, in order, waiting for it; false after the
  // last. A session the stop kept from starting comes as an empty record.
  bool Next(SessionRecord& record);

 private:
  // Workers run at most this many sessions ahead of the one handed on, so a
  // slow reader holds the memory of a window, not of the test.
  static constexpr int kWindow = 256;

  void Work(int worker);
  bool ReadyLocked() const;

  const Simulator& base_;
  const TestPlan& plan_;
  SessionShare share_;
  const std::atomic<bool>& stop_;
  TestProgress& progress_;
  int count_ = 0;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<std::optional<SessionRecord>> window_;
  int started_ = 0;   // sessions taken by workers
  int handedOn_ = 0;  // sessions given to the reader
  int working_ = 0;   // workers still running
  bool closing_ = false;
  std::vector<std::thread> threads_;
};

}  // namespace quorvel
