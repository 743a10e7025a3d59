// Running the sessions of a test on worker threads and merging their results.
#include "runs/test_runner.h"

#include <cctype>

#include <algorithm>
#include <cmath>

#include "runs/session_feed.h"
#include "runs/test_merge.h"

namespace quorvel {

std::optional<std::string> DealRefusal(const Simulator& table) {
  if (const std::optional<std::string>& problem = table.ChartProblem()) {
    std::string reason = *problem;
    if (!reason.empty()) reason[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(reason[0])));
    return std::string(kUnableToLoadData) + "\n" + reason + ".";
  }
  if (!table.engine.chart.Loaded()) return std::string(kUnableToLoadData);
  return std::nullopt;
}

std::optional<std::string> CheckPlan(const TestPlan& plan) {
  if (plan.sessions < 1 || plan.sessions > kMostSessions) {
    return "The number of sessions must be from 1 to 10000000.";
  }
  if (!std::isfinite(plan.handsPerSession) || plan.handsPerSession < 0) {
    return "The number of hands per session must be 0 (no limit) or more.";
  }
  if (plan.threads < 1 || plan.threads > kMaxWorkers) {
    return "The number of threads must be from 1 to 64.";
  }
  if (!(plan.roundsPerHour > 0) || !std::isfinite(plan.roundsPerHour)) {
    return "The number of rounds per hour must be more than 0.";
  }
  return std::nullopt;
}

bool SessionsCanEnd(const Simulator& base, const TestPlan& plan) {
  const LimitModes& modes = base.Modes();
  if (plan.handsPerSession > 0 || modes.winLimitMode == 1 || modes.winLimitMode == 2 ||
      modes.lossLimitMode == 1) {
    return true;
  }
  const ActiveRuleList& rules = base.progression.ActiveRules();
  for (int i = 0; i < rules.count; ++i) {
    // The rule at 0 wins and 0 losses waits for nothing, so it never acts.
    const int rule = rules.index[i];
    if (rule != 0 && base.progression.Table().ruleAction[rule] == kEndSession) return true;
  }
  return false;
}

std::optional<std::string> RunTest(const Simulator& base, const TestPlan& plan,
                                   const std::atomic<bool>& stop, TestProgress& progress,
                                   TestResult& result, SessionStats& stats, TestLog& log) {
  if (auto problem = CheckPlan(plan)) return problem;
  if (!base.engine.chart.Loaded()) return std::string(kUnableToLoadData);
  TestMerge merge(base, plan, true, result, stats, log);
  SessionFeed feed(base, plan, SessionShare{}, stop, progress);
  for (SessionRecord record; feed.Next(record);) merge.Add(record);
  merge.Finish();
  return std::nullopt;
}

}  // namespace quorvel
