// `quorvel-cli test`: an automatic test, as the test screen's Start runs it.
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <csignal>
#include <ctime>
#include <exception>
#include <iostream>
#include <memory>
#include <mutex>
#include <thread>

#include "cli/commands.h"
#include "cli/json_report.h"
#include "cli/option_values.h"
#include "cli/progress_bar.h"
#include "cli/startup.h"
#include "cli/test_report.h"
#include "config/default_settings.h"
#include "config/file_save.h"
#include "engine/chart_check.h"
#include "runs/log_file.h"
#include "runs/return_data.h"
#include "runs/test_runner.h"

namespace quorvel::cli {
namespace {

constexpr double kLargestTrace = 2e6;

// Set by Ctrl-C; the test stops between rounds as STOP does. A second Ctrl-C
// ends the program at once.
std::atomic<bool> stopRequested{false};
extern "C" void OnInterrupt(int) {
  stopRequested.store(true);
  std::signal(SIGINT, SIG_DFL);
}

struct TestOptions {
  std::optional<std::string> settings;
  std::string sessions = "1";
  std::string hands = "1000";
  std::optional<std::string> seed;
  std::optional<std::string> threads;
  std::optional<std::string> log;
  std::optional<std::string> json;
  std::optional<std::string> trace;
};

// The plan from the options, or why they do not make one.
std::optional<std::string> ReadPlan(const TestOptions& options, TestPlan& plan) {
  int64_t value = 0;
  if (auto problem = ReadWhole("--sessions", options.sessions, 1, 99, value)) return problem;
  plan.sessions = static_cast<int>(value);
  if (options.hands == "no-limit") {
    plan.handsPerSession = 0;
  } else if (auto number = WholeNumber(options.hands)) {
    plan.handsPerSession = static_cast<double>(*number);  // 0, as before, has no limit
  } else {
    return "--hands takes a whole number of rounds or no-limit, not " + Quoted(options.hands);
  }
  plan.seed = static_cast<uint64_t>(std::time(nullptr)) & 0xFFFFFFFFu;
  if (options.seed) {
    if (auto problem = ReadWhole("--seed", *options.seed, 0, kLargestSeed, value)) return problem;
    plan.seed = static_cast<uint64_t>(value);
  }
  plan.threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  plan.threads = std::min(plan.threads, kMaxWorkers);
  if (options.threads) {
    if (auto problem = ReadWhole("--threads", *options.threads, 1, kMaxWorkers, value)) return problem;
    plan.threads = static_cast<int>(value);
  }
  plan.trace = options.trace.has_value();
  if (plan.trace && (plan.handsPerSession == 0 || plan.handsPerSession * plan.sessions > kLargestTrace)) {
    return "--trace keeps every round: use it on tests of at most 2 million rounds";
  }
  return CheckPlan(plan);
}

// Every output is checked before the test, so a long test cannot end in a bad name.
std::optional<std::string> CheckOutputs(const TestOptions& options) {
  const std::pair<const char*, const std::optional<std::string>*> outputs[] = {
      {"--log", &options.log}, {"--json", &options.json}, {"--trace", &options.trace}};
  for (const auto& [option, name] : outputs) {
    if (auto problem = RequireName(option, *name)) return problem;
    if (!*name) continue;
    const SaveResult check = CheckSaveTarget(**name);
    if (!check) return check.message;
  }
  return std::nullopt;
}

struct LoadedSettings {
  ActiveSettings active;
  std::string name;
  std::vector<std::string> warnings;
};

// The settings named, else the last-used file, else the built-in defaults.
std::optional<std::string> LoadSettings(const TestOptions& options, LoadedSettings& loaded) {
  if (auto problem = RequireName("--settings", options.settings)) return problem;
  std::filesystem::path file;
  if (options.settings) {
    file = *options.settings;
  } else {
    file = StartupDirectory() / kLastUsedSettingsFile;
    std::error_code error;
    if (std::filesystem::symlink_status(file, error).type() == std::filesystem::file_type::not_found) {
      loaded.active = ReadActiveSettingsBytes(EncodeSettings(DefaultSettings()), {}).settings;
      loaded.name = "built-in defaults";
      std::cerr << "quorvel-cli: no last-used settings file (" << file.string()
                << "); using the built-in defaults\n";
      return std::nullopt;
    }
  }
  ActiveReadResult read = ReadActiveSettings(file, {});
  if (!read.status) {
    const char* whose = options.settings ? "" : " (the last-used settings; --settings FILE gives others)";
    return read.status.message + whose;
  }
  loaded = {read.settings, file.string(), std::move(read.warnings)};
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
  return exitCode;
}

int RunTestCommand(const TestOptions& options) {
  TestPlan plan;
  if (auto problem = ReadPlan(options, plan)) return Fail(*problem);
  if (auto problem = CheckOutputs(options)) return Fail(*problem);
  LoadedSettings settings;
  if (auto problem = LoadSettings(options, settings)) return Fail(*problem);

  Simulator base;
  base.SetChartDirectory(ChartDirectory());
  base.Seed(static_cast<uint32_t>(plan.seed));
  base.ApplySettings(ToAppliedSettings(settings.active));
  if (auto problem = ChartFileProblem(base.ChartFile())) return Fail(*problem);
  // Caught from before the first word on stderr, so a Ctrl-C as soon as the user reads it counts.
  std::signal(SIGINT, OnInterrupt);
  for (const std::string& warning : settings.warnings) {
    std::cerr << "quorvel-cli: warning: " << settings.name << ": " << warning << '\n';
  }
  if (!SessionsCanEnd(base, plan)) {
    std::cerr << "quorvel-cli: no round limit, no win or loss limit and no END SESSION rule: "
                 "this test runs until interrupted (Ctrl-C)\n";
  }

  TestProgress progress;
  TestResult result;
  SessionStats stats;
  TestLog log;
  std::optional<std::string> problem;
  const auto started = std::chrono::steady_clock::now();
  std::thread runner([&] {
    try {
      problem = RunTest(base, plan, stopRequested, progress, result, stats, log);
    } catch (const std::exception& e) {
      problem = std::string("the test failed: ") + e.what();
    }
  });
  const bool terminal = isatty(STDERR_FILENO) != 0;
  auto elapsed = [&] {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  };
  // The bar wakes at the end at once, so a short test does not wait out its last tick.
  std::mutex barMutex;
  std::condition_variable barWake;
  bool finished = false;
  std::thread bar([&] {
    std::unique_lock<std::mutex> lock(barMutex);
    while (!barWake.wait_for(lock, std::chrono::milliseconds(200), [&] { return finished; })) {
      if (terminal) {
        std::cerr << '\r' << ProgressLine(progress.Rounds(), plan.handsPerSession * plan.sessions,
                                          progress.SessionsFinished(), plan.sessions, elapsed())
                  << "\033[K" << std::flush;
      }
    }
  });
  runner.join();
  const double seconds = elapsed();
  {
    std::lock_guard<std::mutex> lock(barMutex);
    finished = true;
  }
  barWake.notify_one();
  bar.join();
  std::signal(SIGINT, SIG_DFL);
  if (terminal) std::cerr << "\r\033[K" << std::flush;
  if (problem) return Fail(*problem);

  const TestRun run{plan,   settings.name, settings.active,  settings.warnings,
                    result, log,           WorkerCount(plan), seconds};
  PrintReport(std::cout, run);
  if (const int failed = SaveOutputs(options, run)) return failed;
  return result.stopped ? kExitInterrupted : 0;
}

}  // namespace

CLI::App* AddTestCommand(CLI::App& app, int& exitCode) {
  auto options = std::make_shared<TestOptions>();
  CLI::App* test = app.add_subcommand("test", "Run an automatic test and print its log");
  test->add_option("--settings", options->settings,
                   "Settings file (default: the last-used settings of the start-up directory)")
      ->type_name("FILE");
  test->add_option("--sessions", options->sessions, "Sessions to run, 1 to 99 (default 1)")->type_name("N");
  test->add_option("--hands", options->hands, "Rounds per session, or no-limit (default 1000)")
      ->type_name("N|no-limit");
  test->add_option("--seed", options->seed, "Seed of the run, 0 to 4294967295 (default: the clock)")
      ->type_name("S");
  test->add_option("--threads", options->threads, "Worker threads, 1 to 64 (default: every core)")
      ->type_name("N");
  test->add_option("--log", options->log, "Save the log page as text")->type_name("FILE");
  test->add_option("--json", options->json, "Write every figure and session row as JSON")
      ->type_name("FILE");
  test->add_option("--trace", options->trace, "Write one CSV row per round (small tests)")
      ->type_name("FILE");
  test->callback([options, &exitCode] { exitCode = RunTestCommand(*options); });
  return test;
}

}  // namespace quorvel::cli
