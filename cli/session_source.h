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

// A bar redrawn in place, a line now and then, or nothing.
enum class ProgressStyle { kBar, kLines, kNone };

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
  // How progress shows on stderr: a bar on a terminal, else nothing.
  virtual ProgressStyle Progress() const {
    return isatty(STDERR_FILENO) != 0 ? ProgressStyle::kBar : ProgressStyle::kNone;
  }
};

// The sessions on this process's threads.
class LocalSessions : public SessionSource {
 public:
  std::optional<std::string> Run(const Simulator& base, const ActiveSettings& settings, const TestPlan& plan,
                                 const std::atomic<bool>& stop, TestProgress& progress,
                                 const SessionTaker& take, int& threads) override;
};

}  // namespace quorvel::cli
