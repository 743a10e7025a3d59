// Where the sessions of a test are run: this process's worker threads, or every process of a job.
#pragma once

#include <unistd.h>

#include <atomic>
#include <functional>
#include <optional>
#include <string>

#include "config/active_settings.h"
#include "runs/simulator.h"
#include "runs/test_progress.h"
#include "runs/test_runner.h"

namespace quorvel::cli {

using SessionTaker = std::function<void(const SessionRecord&)>;

class SessionSource {
 public:
  virtual ~SessionSource() = default;
  // Runs the plan on `base`, a table set up from `settings`, handing every
  // session's record to `take` in session order. `threads` is set to the
  // worker threads that ran it. A message instead when the test cannot run.
  virtual std::optional<std::string> Run(const Simulator& base, const ActiveSettings& settings,
                                         const TestPlan& plan, const std::atomic<bool>& stop,
                                         TestProgress& progress, const SessionTaker& take,
                                         int& threads) = 0;
  // Whether the progress bar goes to a terminal on stderr.
  virtual bool ProgressOnTerminal() const { return isatty(STDERR_FILENO) != 0; }
};

// The sessions on this process's threads.
class LocalSessions : public SessionSource {
 public:
  std::optional<std::string> Run(const Simulator& base, const ActiveSettings& settings, const TestPlan& plan,
                                 const std::atomic<bool>& stop, TestProgress& progress,
                                 const SessionTaker& take, int& threads) override;
};

}  // namespace quorvel::cli
