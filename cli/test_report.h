// What quorvel-cli prints and writes after a test: the log, the summary and the trace.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "config/active_settings.h"
#include "runs/test_figures.h"
#include "runs/test_log.h"
#include "runs/test_runner.h"

namespace quorvel::cli {

struct TestRun {
  const TestPlan& plan;
  const std::string& settingsName;
  const ActiveSettings& settings;
  const std::vector<std::string>& warnings;  // the settings fields not read as written
  const TestResult& result;
  const TestFigures& figures;
  const TestLog& log;
  int threads;     // the worker threads used
  double seconds;  // wall time
};

// Whole milliseconds, and whole rounds per second, as the summary shows them.
double WallTime(const TestRun& run);
int64_t RoundsPerSecond(const TestRun& run);

// Winnings over every session, per round (0 before any round).
float WinningsPerRound(const TestResult& result);

// The log header and page as the test screen shows them (when the test has
// one), then the summary and the figures.
// A stopped test says how many sessions finished and what the figures hold.
void PrintReport(std::ostream& out, const TestRun& run);

// One CSV row per round: session, round, net result in stakes, stake, bankroll
// after, bet units after, the rule that fired (W x 10 + L); a session's rows at a time.
inline constexpr const char* kTraceHeading = "session,round,net_stakes,stake,bankroll,bet_units,rule\n";
std::string TraceRows(std::size_t number, const SessionRecord& session);

}  // namespace quorvel::cli
