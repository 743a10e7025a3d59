// The sessions of a test on this process's worker threads.
#include "cli/session_source.h"

#include "runs/session_feed.h"

namespace quorvel::cli {

std::optional<std::string> LocalSessions::Run(const Simulator& base, const ActiveSettings&,
                                              const TestPlan& plan, const std::atomic<bool>& stop,
                                              TestProgress& progress, const SessionTaker& take,
                                              int& threads) {
  if (!base.engine.chart.Loaded()) return std::string(kUnableToLoadData);
  SessionFeed feed(base, plan, SessionShare{}, stop, progress);
  threads = feed.Workers();
  for (SessionRecord record; feed.Next(record);) take(record);
  return std::nullopt;
}

}  // namespace quorvel::cli
