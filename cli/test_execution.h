// Running a planned test from the command line: the table set up from settings, a progress bar, stop signals.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/output_identity.h"
#include "cli/session_source.h"
#include "config/active_settings.h"
#include "runs/session_stats.h"
#include "runs/test_figures.h"
#include "runs/test_log.h"
#include "runs/test_runner.h"

namespace quorvel::cli {

// The options that make a plan, as typed; shared by `test` and `compare`.
struct PlanOptions {
  std::string sessions = "1";
  std::string hands = "1000";
  std::optional<std::string> seed;
  std::optional<std::string> threads;
  bool endAtBust = false;
  std::string roundsPerHour = "100";
};
void AddPlanOptions(CLI::App& command, PlanOptions& options);
// The plan from the options, or why they do not make one.
std::optional<std::string> ReadPlan(const PlanOptions& options, TestPlan& plan);

struct LoadedSettings {
  ActiveSettings active;
  std::string name;
  std::vector<std::string> warnings;
  std::filesystem::path file;  // empty for the built-in defaults
};
// The settings named, else the last-used file, else the built-in defaults.
std::optional<std::string> LoadSettings(const std::optional<std::string>& file, LoadedSettings& loaded);

// The files a test on these settings reads, and the last-used settings file,
// which no output may replace either.
std::vector<RunFile> InputsOf(const LoadedSettings& settings);

struct ExecutedTest {
  TestResult result;  // without the session records, which go to `rows` as they come
  SessionStats stats;
  TestLog log;
  TestFigures figures;
  int threads = 0;     // the worker threads used
  double seconds = 0;  // wall time
};

// Each session's record in order, numbered from 1, for the outputs written as they come.
using SessionRows = std::function<void(std::size_t number, const SessionRecord& record)>;

// Runs the plan on the settings from `source`, with a progress bar on a
// terminal; a stop signal (Ctrl-C, SIGTERM, SIGHUP) stops it between rounds,
// and every later test at once. The warnings of the settings are printed first.
std::optional<std::string> ExecuteTest(const LoadedSettings& settings, const TestPlan& plan,
                                       SessionSource& source, const SessionRows& rows, ExecutedTest& run);

}  // namespace quorvel::cli
