// `quorvel-cli test`: an automatic test, as the test screen's Start runs it.
#include <memory>

#include "cli/commands.h"
#include "cli/json_report.h"
#include "cli/option_values.h"
#include "cli/test_execution.h"
#include "cli/test_report.h"
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

// Every output is checked before the test, so a long test cannot end in a bad name.
std::optional<std::string> CheckOutputs(const TestOptions& options) {
  const std::pair<const char*, const std::optional<std::string>*> outputs[] = {
      {"--log", &options.log},   {"--json", &options.json}, {"--trace", &options.trace},
      {"--csv", &options.csv},   {"--walks", &options.walks}};
  for (const auto& [option, name] : outputs) {
    if (auto problem = RequireName(option, *name)) return problem;
    if (!*name) continue;
    const SaveResult check = CheckSaveTarget(**name);
    if (!check) return check.message;
  }
  return std::nullopt;
}

// Every output is tried, so one that fails costs none of the others.
int SaveOutputs(const TestOptions& options, const TestRun& run) {
  int exitCode = 0;
  auto check = [&exitCode](const SaveResult& saved) {
    if (!saved) exitCode = Fail(saved.message);
  };
  if (options.log) check(SaveLogPage(run.log, *options.log));
  if (options.json) check(SaveFile(*options.json, JsonReportText(run)));
  if (options.trace) check(SaveFile(*options.trace, TraceText(run.result)));
  if (options.csv) check(SaveFile(*options.csv, SessionsCsv(run.result)));
  if (options.walks) check(SaveFile(*options.walks, WalksCsv(run.result)));
  return exitCode;
}

int RunTestCommand(const TestOptions& options) {
  TestPlan plan;
  if (auto problem = ReadTestPlan(options, plan)) return Fail(*problem);
  if (auto problem = CheckOutputs(options)) return Fail(*problem);
  LoadedSettings settings;
  if (auto problem = LoadSettings(options.settings, settings)) return Fail(*problem);
  ExecutedTest executed;
  if (auto problem = ExecuteTest(settings, plan, executed)) return Fail(*problem);

  const TestFigures figures = ComputeFigures(executed.result);
  const TestRun run{plan,    settings.name,     settings.active,   settings.warnings, executed.result,
                    figures, executed.log, WorkerCount(plan), executed.seconds};
  PrintReport(std::cout, run);
  if (const int failed = SaveOutputs(options, run)) return failed;
  return executed.result.stopped ? kExitInterrupted : 0;
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
