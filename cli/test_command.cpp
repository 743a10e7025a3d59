// `quorvel-cli test`: an automatic test, as the test screen's Start runs it.
#include <memory>
#include <utility>
#include <vector>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/json_report.h"
#include "cli/option_values.h"
#include "cli/test_execution.h"
#include "cli/test_report.h"
#include "cli/stop_signals.h"
#include "config/file_save.h"
#include "runs/figures_text.h"
#include "runs/log_file.h"

namespace quorvel::cli {
namespace {

constexpr double kLargestTrace = 2e6;
// Each session's two walks hold up to 2,000 points each.
constexpr int kMostWalkSessions = 1000;

struct TestOptions {
  std::optional<std::string> settings;
  PlanOptions plan;
  std::optional<std::string> log;
  std::optional<std::string> json;
  std::optional<std::string> trace;
  std::optional<std::string> csv;
  std::optional<std::string> walks;
};

std::optional<std::string> ReadTestPlan(const TestOptions& options, TestPlan& plan) {
  if (auto problem = ReadPlan(options.plan, plan)) return problem;
  plan.trace = options.trace.has_value();
  if (plan.trace && (plan.handsPerSession == 0 || plan.handsPerSession * plan.sessions > kLargestTrace)) {
    return "--trace keeps every round: use it on tests of at most 2 million rounds";
  }
  plan.walks = options.walks.has_value();
  if (plan.walks && plan.sessions > kMostWalkSessions) {
    return "--walks keeps every session's bankroll walk: use it on tests of at most 1000 sessions";
  }
  if (options.log && !PlanHasLog(plan)) {
    return "--log writes the log page, which holds 99 sessions: use it on tests of at most 99 sessions";
  }
  return std::nullopt;
}

// The outputs asked for, in the order they are saved.
std::vector<std::pair<const char*, const std::optional<std::string>*>> Outputs(const TestOptions& options) {
  return {{"--log", &options.log},
          {"--json", &options.json},
          {"--trace", &options.trace},
          {"--csv", &options.csv},
          {"--walks", &options.walks}};
}

// Every output is checked before the test, so a long test cannot end in a bad name.
std::optional<std::string> CheckOutputNames(const TestOptions& options) {
  for (const auto& [option, name] : Outputs(options)) {
    if (auto problem = RequireName(option, *name)) return problem;
    if (!*name) continue;
    const SaveResult check = CheckSaveTarget(**name);
    if (!check) return check.message;
  }
  return std::nullopt;
}

// No output may replace what the test reads, another output or the printed report.
std::optional<std::string> CheckOutputFiles(const TestOptions& options, const LoadedSettings& settings) {
  std::vector<RunFile> outputs;
  for (const auto& [option, name] : Outputs(options)) {
    if (*name) outputs.push_back(Shown(option, **name));
  }
  return OutputClash(InputsOf(settings), outputs);
}

// Every output is tried, so one that fails costs none of the others.
int SaveOutputs(const TestOptions& options, const TestRun& run) {
  int exitCode = 0;
  auto save = [&exitCode](const std::optional<std::string>& name, auto text) {
    if (!name) return;
    if (const SaveResult saved = SaveHoldingSignals(*name, text()); !saved) exitCode = Fail(saved.message);
  };
  save(options.log, [&run] { return LogFileText(run.log); });
  save(options.json, [&run] { return JsonReportText(run); });
  save(options.trace, [&run] { return TraceText(run.result); });
  save(options.csv, [&run] { return SessionsCsv(run.result); });
  save(options.walks, [&run] { return WalksCsv(run.result); });
  return exitCode;
}

int RunTestCommand(const TestOptions& options) {
  TestPlan plan;
  if (auto problem = ReadTestPlan(options, plan)) return Fail(*problem);
  if (auto problem = CheckOutputNames(options)) return Fail(*problem);
  LoadedSettings settings;
  if (auto problem = LoadSettings(options.settings, settings)) return Fail(*problem);
  if (auto problem = CheckOutputFiles(options, settings)) return Fail(*problem);
  ExecutedTest executed;
  if (auto problem = ExecuteTest(settings, plan, executed)) return Fail(*problem);

  const TestFigures figures = ComputeFigures(executed.result);
  const TestRun run{plan,    settings.name,     settings.active,   settings.warnings, executed.result,
                    figures, executed.log, WorkerCount(plan), executed.seconds};
  PrintReport(std::cout, run);
  // Out before the saves, so a signal that ends the program during them cannot cost the report.
  FlushStandardOutput();
  if (const int failed = SaveOutputs(options, run)) return failed;
  return StopExitCode();
}

}  // namespace

CLI::App* AddTestCommand(CLI::App& app, int& exitCode) {
  auto options = std::make_shared<TestOptions>();
  CLI::App* test = app.add_subcommand("test", "Run an automatic test and print its log and figures");
  test->add_option("--settings", options->settings,
                   "Settings file (default: the last-used settings of the start-up directory)")
      ->type_name("FILE");
  AddPlanOptions(*test, options->plan);
  test->add_option("--log", options->log, "Save the log page as text (at most 99 sessions)")
      ->type_name("FILE");
  test->add_option("--json", options->json, "Write every figure and session row as JSON")
      ->type_name("FILE");
  test->add_option("--trace", options->trace, "Write one CSV row per round (small tests)")
      ->type_name("FILE");
  test->add_option("--csv", options->csv, "Write one CSV row per session with its figures")
      ->type_name("FILE");
  test->add_option("--walks", options->walks,
                   "Write each session's bankroll walk and its flat twin's, downsampled, as CSV")
      ->type_name("FILE");
  test->callback([options, &exitCode] { exitCode = RunTestCommand(*options); });
  return test;
}

}  // namespace quorvel::cli
