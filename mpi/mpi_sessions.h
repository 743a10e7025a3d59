// The sessions of a test dealt out among the ranks of an MPI job: rank 0 leads, the others follow.
#pragma once

#include <mpi.h>

#include "cli/session_source.h"

namespace quorvel::mpi {

// On rank 0: each test is ordered from every rank, its own share run here,
// and every rank's sessions taken in session order.
class MpiSessions : public cli::SessionSource {
 public:
  explicit MpiSessions(int ranks) : ranks_(ranks) {}
  std::optional<std::string> Run(const Simulator& base, const ActiveSettings& settings, const TestPlan& plan,
                                 const std::atomic<bool>& stop, TestProgress& progress,
                                 const cli::SessionTaker& take, int& threads) override;
  // Under a launcher stderr is a pipe, to a terminal or to a batch job's log
  // alike: a line now and then reads well in both.
  cli::ProgressStyle Progress() const override {
    return isatty(STDERR_FILENO) != 0 ? cli::ProgressStyle::kBar : cli::ProgressStyle::kLines;
  }
  // Tells the other ranks that no more tests come.
  void Dismiss();

 private:
  // Passes a stop on to the other ranks, once: it holds for every later test too.
  void ForwardStop(const std::atomic<bool>& stop);
  // Takes every rank's sessions in order; gives this rank's worker threads.
  int Gather(const Simulator& base, const TestPlan& plan, const std::atomic<bool>& stop,
             TestProgress& progress, const cli::SessionTaker& take);

  int ranks_;
  bool stopForwarded_ = false;
};

// On every rank but 0: runs its share of each test rank 0 orders, until dismissed.
void FollowOrders(int rank, int ranks);

}  // namespace quorvel::mpi
