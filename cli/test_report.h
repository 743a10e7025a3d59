// What quorvel-cli prints and writes after a test: the log, the summary, JSON and the trace.
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

#include "config/active_settings.h"
#include "runs/test_log.h"
#include "runs/test_runner.h"

namespace quorvel::cli {

struct TestRun {
  const TestPlan& plan;
  const std::string& settingsName;
  const ActiveSettings& settings;
  const TestResult& result;
  const TestLog& log;
  double seconds;
};

// The log header and page as the test screen shows them, then the summary.
void PrintReport(std::ostream& out, const TestRun& run);

// Every figure, the per-session rows, the seed and the settings. Nothing that
// depends on the machine (time, threads) goes in, so one seed gives one file.
std::optional<std::string> WriteJsonReport(const std::filesystem::path& file, const TestRun& run);

// One CSV row per round: session, round, net result in units, stake, bankroll
// after, betUnits after, the rule that fired.
std::optional<std::string> WriteTrace(const std::filesystem::path& file, const TestResult& result);

}  // namespace quorvel::cli
