// `quorvel-cli test`: an automatic test, as the test screen's Start runs it.
#include <memory>
#include <utility>
#include <vector>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/json_report.h"
#include "cli/option_values.h"
#include "cli/row_spill.h"
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

// The outputs of a test, open from before it starts: the rows of each session
// are written as it is merged, so no output is held whole.
struct StreamedOutputs {
  // First, so it ends last: a signal that ends the program waits until the files are committed or removed.
  SignalHold hold;
  OutputFile json;
  RowSpill jsonRows;
  OutputFile trace;
  OutputFile csv;
  OutputFile walks;
};

std::optional<std::string> OpenOutputs(const TestOptions& options, StreamedOutputs& out) {
  if (options.json) {
    if (const SaveResult opened = out.json.Open(*options.json); !opened) return opened.message;
    if (auto problem = out.jsonRows.Open(*options.json)) return problem;
  }
  const std::tuple<const std::optional<std::string>*, OutputFile*, const char*> files[] = {
      {&options.trace, &out.trace, kTraceHeading},
      {&options.csv, &out.csv, kSessionsCsvHeading},
      {&options.walks, &out.walks, kWalksCsvHeading}};
  for (const auto& [name, file, heading] : files) {
    if (!*name) continue;
    if (const SaveResult opened = file->Open(**name); !opened) return opened.message;
    file->Write(heading);
  }
  return std::nullopt;
}

// Every output is tried, so one that fails costs none of the others.
int SaveOutputs(const TestOptions& options, const TestRun& run, StreamedOutputs& out) {
  int exitCode = 0;
  auto check = [&exitCode](const SaveResult& saved) {
    if (!saved) exitCode = Fail(saved.message);
  };
  if (options.log) check(SaveHoldingSignals(*options.log, LogFileText(run.log)));
  if (options.json) {
    const JsonReportParts parts = JsonReportAround(run);
    out.json.Write(parts.head);
    if (auto problem = out.jsonRows.CopyTo(out.json)) {
      exitCode = Fail(*problem);
    } else {
      out.json.Write(parts.tail);
      check(out.json.Commit());
    }
  }
  if (options.trace) check(out.trace.Commit());
  if (options.csv) check(out.csv.Commit());
  if (options.walks) check(out.walks.Commit());
  return exitCode;
}

int RunTestCommand(const TestOptions& options, SessionSource& source) {
  TestPlan plan;
  if (auto problem = ReadTestPlan(options, plan)) return Fail(*problem);
  if (auto problem = CheckOutputNames(options)) return Fail(*problem);
  LoadedSettings settings;
  if (auto problem = LoadSettings(options.settings, settings)) return Fail(*problem);
  if (auto problem = CheckOutputFiles(options, settings)) return Fail(*problem);
  StreamedOutputs out;
  if (auto problem = OpenOutputs(options, out)) return Fail(*problem);
  ExecutedTest executed;
  const SessionRows rows = [&](std::size_t number, const SessionRecord& record) {
    if (options.json) {
      if (number > 1) out.jsonRows.Write(kRowSeparator);
      out.jsonRows.Write(JsonSessionRow(number, record, executed.result));
    }
    if (options.trace) out.trace.Write(TraceRows(number, record));
    if (options.csv) out.csv.Write(SessionCsvRow(number, record, executed.result));
    if (options.walks) out.walks.Write(WalkCsvRows(number, record));
  };
  if (auto problem = ExecuteTest(settings, plan, source, rows, executed)) return Fail(*problem);

  const TestRun run{plan,         settings.name,    settings.active,  settings.warnings, executed.result,
                    executed.figures, executed.log, executed.threads, executed.seconds};
  PrintReport(std::cout, run);
  // Out before the saves, so a signal that ends the program during them cannot cost the report.
  FlushStandardOutput();
  if (const int failed = SaveOutputs(options, run, out)) return failed;
  return StopExitCode();
}

}  // namespace

CLI::App* AddTestCommand(CLI::App& app, int& exitCode, SessionSource& source) {
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
  test->callback([options, &exitCode, &source] { exitCode = RunTestCommand(*options, source); });
  return test;
}

}  // namespace quorvel::cli
