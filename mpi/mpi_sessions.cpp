// Ordering a test from every rank, and gathering its sessions in order on rank 0.
#include "mpi/mpi_sessions.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iostream>
#include <thread>
#include <vector>

#include "cli/stop_signals.h"
#include "cli/test_execution.h"
#include "config/program_folders.h"
#include "runs/comparison.h"
#include "runs/session_feed.h"
#include "runs/session_message.h"

namespace quorvel::mpi {
namespace {

constexpr int kBlockTag = 1;
constexpr int kStopTag = 2;
// How often a rank that waits looks for a stop or a block.
constexpr std::chrono::milliseconds kLook{20};
constexpr std::chrono::microseconds kNap{200};

// Each rank's answer to an order: its worker threads, or why it cannot run it.
struct Readiness {
  int32_t workers = 0;
  char problem[500] = {};
};

// MPI's own waits spin a processor the rank's workers need: this one sleeps between looks.
void Wait(MPI_Request& request, const std::function<void()>& meanwhile = {}) {
  for (int done = 0;;) {
    MPI_Test(&request, &done, MPI_STATUS_IGNORE);
    if (done != 0) return;
    if (meanwhile) meanwhile();
    std::this_thread::sleep_for(kNap);
  }
}

// Rank 0 sends the order's length (0: no more tests), then its bytes.
void Broadcast(std::string& bytes) {
  uint64_t length = bytes.size();
  MPI_Request request;
  MPI_Ibcast(&length, 1, MPI_UINT64_T, 0, MPI_COMM_WORLD, &request);
  Wait(request);
  bytes.resize(length);
  if (length > 0) MPI_Bcast(bytes.data(), static_cast<int>(length), MPI_BYTE, 0, MPI_COMM_WORLD);
}

// Every rank's readiness on rank 0, and rank 0's verdict on every rank: go or not.
bool AgreeToRun(const Readiness& mine, std::vector<Readiness>* all) {
  MPI_Gather(&mine, sizeof mine, MPI_BYTE, all != nullptr ? all->data() : nullptr, sizeof mine, MPI_BYTE, 0,
             MPI_COMM_WORLD);
  int go = 1;
  if (all != nullptr) {
    for (const Readiness& rank : *all) go = go && rank.problem[0] == '\0';
  }
  MPI_Bcast(&go, 1, MPI_INT, 0, MPI_COMM_WORLD);
  return go != 0;
}

// Past the start of a test every rank waits on the others, so a failure there
// ends the whole job rather than leave them waiting.
[[noreturn]] void Abandon(const std::string& why) {
  std::cerr << "quorvel-mpi: " << why << std::endl;
  MPI_Abort(MPI_COMM_WORLD, 2);
  std::abort();
}

// A following rank's stop: a signal of its own, or word from rank 0.
void LookForStop() {
  if (cli::StopRequested().load()) return;
  int waiting = 0;
  MPI_Iprobe(0, kStopTag, MPI_COMM_WORLD, &waiting, MPI_STATUS_IGNORE);
  if (waiting == 0) return;
  MPI_Recv(nullptr, 0, MPI_BYTE, 0, kStopTag, MPI_COMM_WORLD, MPI_STATUS_IGNORE);
  cli::StopRequested().store(true);
}

void RunShare(const TestOrder& order, const Simulator& base, SessionShare share) {
  TestProgress progress;
  SessionFeed feed(base, order.plan, share, cli::StopRequested(), progress);
  const int count = share.Count(order.plan.sessions);
  std::string bytes;
  for (int n = 0; n < count;) {
    bytes.clear();
    // A block of the share is a block of the test.
    for (int k = 0; k < share.block && n < count; ++k, ++n) {
      while (!feed.WaitReady(kLook)) LookForStop();
      SessionRecord record;
      feed.Next(record);
      PackSession(share.Session(n) + 1, record, bytes);
    }
    LookForStop();
    // Sent when rank 0 takes it, so a rank runs at most its feed's window ahead.
    MPI_Request request;
    MPI_Issend(bytes.data(), static_cast<int>(bytes.size()), MPI_BYTE, 0, kBlockTag, MPI_COMM_WORLD, &request);
    Wait(request, LookForStop);
  }
}

}  // namespace

void FollowOrders(int rank, int ranks) {
  // The launcher's Ctrl-C, SIGTERM or SIGHUP stops a following rank as it stops rank 0.
  cli::CatchStopSignals();
  for (;;) {
    std::string bytes;
    Broadcast(bytes);
    if (bytes.empty()) return;
    const std::optional<TestOrder> order = UnpackOrder(bytes);
    Readiness ready;
    Simulator base;
    std::optional<std::string> problem;
    if (!order) {
      problem = "the order of the test came damaged";
    } else {
      problem = SetUpTestTable(base, order->settings, ThisProgramsFolders().ChartDirectory(), order->plan.seed);
    }
    const SessionShare share = SessionShare::Of(order ? order->plan.sessions : 0, ranks, rank);
    if (problem) {
      std::strncpy(ready.problem, problem->c_str(), sizeof ready.problem - 1);
    } else {
      ready.workers = std::min(std::max(1, order->plan.threads), share.Count(order->plan.sessions));
    }
    if (!AgreeToRun(ready, nullptr)) continue;
    RunShare(*order, base, share);
  }
}

void MpiSessions::ForwardStop(const std::atomic<bool>& stop) {
  if (stopForwarded_ || !stop.load()) return;
  stopForwarded_ = true;
  for (int rank = 1; rank < ranks_; ++rank) {
    MPI_Send(nullptr, 0, MPI_BYTE, rank, kStopTag, MPI_COMM_WORLD);
  }
}

void MpiSessions::Dismiss() {
  std::string none;
  Broadcast(none);
}

std::optional<std::string> MpiSessions::Run(const Simulator& base, const ActiveSettings& settings,
                                            const TestPlan& plan, const std::atomic<bool>& stop,
                                            TestProgress& progress, const cli::SessionTaker& take,
                                            int& threads) {
  if (!base.engine.chart.Loaded()) return std::string(kUnableToLoadData);
  std::string order = PackOrder({plan, settings});
  Broadcast(order);
  std::vector<Readiness> ready(static_cast<std::size_t>(ranks_));
  if (!AgreeToRun(Readiness{}, &ready)) {
    for (int rank = 1; rank < ranks_; ++rank) {
      if (ready[static_cast<std::size_t>(rank)].problem[0] != '\0') {
        return "rank " + std::to_string(rank) + " cannot run the test: " + ready[static_cast<std::size_t>(rank)].problem;
      }
    }
    return std::string("a rank cannot run the test");
  }
  try {
    threads = Gather(base, plan, stop, progress, take);
  } catch (const std::exception& e) {
    Abandon(std::string("the test failed: ") + e.what());
  }
  for (const Readiness& rank : ready) threads += rank.workers;
  return std::nullopt;
}

int MpiSessions::Gather(const Simulator& base, const TestPlan& plan, const std::atomic<bool>& stop,
                        TestProgress& progress, const cli::SessionTaker& take) {
  const SessionShare mine = SessionShare::Of(plan.sessions, ranks_, 0);
  SessionFeed feed(base, plan, mine, stop, progress);
  uint64_t otherRounds = 0;
  std::string bytes;
  for (int first = 0; first < plan.sessions; first += mine.block) {
    const int last = std::min(plan.sessions, first + mine.block);
    const int owner = mine.OwnerOf(first);
    if (owner == 0) {
      for (int index = first; index < last; ++index) {
        while (!feed.WaitReady(kLook)) ForwardStop(stop);
        SessionRecord record;
        feed.Next(record);
        take(record);
      }
      ForwardStop(stop);
      continue;
    }
    MPI_Status status;
    for (int arrived = 0; arrived == 0;) {
      MPI_Iprobe(owner, kBlockTag, MPI_COMM_WORLD, &arrived, &status);
      if (arrived == 0) {
        ForwardStop(stop);
        std::this_thread::sleep_for(kNap);
      }
    }
    int length = 0;
    MPI_Get_count(&status, MPI_BYTE, &length);
    bytes.resize(static_cast<std::size_t>(length));
    MPI_Recv(bytes.data(), length, MPI_BYTE, owner, kBlockTag, MPI_COMM_WORLD, MPI_STATUS_IGNORE);
    std::string_view rest = bytes;
    for (int index = first; index < last; ++index) {
      std::optional<SessionRecord> record = UnpackSession(index + 1, rest);
      if (!record) Abandon("rank " + std::to_string(owner) + " sent a damaged session " + std::to_string(index + 1));
      otherRounds += static_cast<uint64_t>(record->rounds);
      if (record->finished) {
        progress.SessionFinished(record->rounds, record->bankroll - base.money.startingBankroll,
                                 record->totalBet);
      }
      take(*record);
    }
    progress.SetOtherRounds(otherRounds);
    ForwardStop(stop);
  }
  return feed.Workers();
}

}  // namespace quorvel::mpi
