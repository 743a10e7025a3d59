// `quorvel-cli test`: an automatic test, as the test screen's Start runs it.
#include <unistd.h>

#include <charconv>
#include <chrono>
#include <csignal>
#include <ctime>
#include <fstream>
#include <iostream>
#include <memory>
#include <thread>

#include "cli/commands.h"
#include "cli/progress_bar.h"
#include "cli/startup.h"
#include "cli/test_report.h"
#include "config/default_settings.h"
#include "runs/log_file.h"
#include "runs/return_data.h"
#include "runs/test_runner.h"

namespace quorvel::cli {
namespace {

// Set by Ctrl-C; the test stops between rounds as STOP does.
std::atomic<bool> stopRequested{false};
extern "C" void OnInterrupt(int) { stopRequested.store(true); }

struct TestOptions {
  std::string settings;
  int sessions = 1;
  std::string hands = "1000";
  int64_t seed = -1;
  int threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  std::string log;
  std::string json;
  std::string trace;
};

// "no-limit", or a whole number of rounds.
std::optional<double> ParseHands(const std::string& text) {
  if (text == "no-limit") return 0.0;
  uint64_t rounds = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), rounds);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return static_cast<double>(rounds);
}

int Fail(const std::string& message) {
  // Messages made for the table's screen may start with blanks.
  std::cerr << "quorvel-cli: " << message.substr(std::min(message.find_first_not_of(' '), message.size()))
            << '\n';
  return kExitBadInput;
}

int RunTestCommand(const TestOptions& options) {
  const std::optional<double> hands = ParseHands(options.hands);
  if (!hands) return Fail("--hands takes a whole number of rounds or no-limit, not '" + options.hands + "'");

  TestPlan plan;
  plan.sessions = options.sessions;
  plan.handsPerSession = *hands;
  plan.seed = options.seed >= 0 ? static_cast<uint64_t>(options.seed)
                                : static_cast<uint64_t>(std::time(nullptr)) & 0xFFFFFFFFu;
  plan.threads = options.threads;
  plan.trace = !options.trace.empty();
  if (auto problem = CheckPlan(plan)) return Fail(*problem);
  if (plan.trace && (plan.handsPerSession == 0 || plan.handsPerSession * plan.sessions > 2e6)) {
    return Fail("--trace keeps every round: use it on tests of at most 2 million rounds");
  }

  ActiveSettings active;
  std::string settingsName;
  if (!options.settings.empty()) {
    const ActiveReadResult read = ReadActiveSettings(options.settings, active);
    if (!read.status) return Fail(read.status.message);
    active = read.settings;
    settingsName = options.settings;
  } else {
    const std::filesystem::path lastUsed = StartupDirectory() / kLastUsedSettingsFile;
    const ActiveReadResult read = ReadActiveSettings(lastUsed, active);
    if (read.status) {
      active = read.settings;
      settingsName = lastUsed.string();
    } else {
      const ActiveReadResult defaults = ReadActiveSettingsBytes(EncodeSettings(DefaultSettings()), active);
      active = defaults.settings;
      settingsName = "built-in defaults";
      std::cerr << "quorvel-cli: no last-used settings file (" << lastUsed.string()
                << "); using the built-in defaults\n";
    }
  }


  Simulator base;
  base.SetChartDirectory(ChartDirectory());
  base.Seed(static_cast<uint32_t>(plan.seed));
  base.ApplySettings(ToAppliedSettings(active));

  std::signal(SIGINT, OnInterrupt);
  TestProgress progress;
  TestResult result;
  SessionStats stats;
  TestLog log;
  std::optional<std::string> problem;
  const auto started = std::chrono::steady_clock::now();
  std::thread runner([&] { problem = RunTest(base, plan, stopRequested, progress, result, stats, log); });
  const bool terminal = isatty(STDERR_FILENO) != 0;
  auto elapsed = [&] {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  };
  std::atomic<bool> finished{false};
  std::thread bar([&] {
    while (!finished.load()) {
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
      if (terminal && !finished.load()) {
        std::cerr << '\r' << ProgressLine(progress.Rounds(), plan.handsPerSession * plan.sessions,
                                          progress.SessionsFinished(), plan.sessions, elapsed())
                  << "\033[K" << std::flush;
      }
    }
  });
  runner.join();
  const double seconds = elapsed();
  finished.store(true);
  bar.join();
  std::signal(SIGINT, SIG_DFL);
  if (terminal) std::cerr << "\r\033[K" << std::flush;
  if (problem) return Fail(*problem);

  const TestRun run{plan, settingsName, active, result, log, seconds};
  PrintReport(std::cout, run);
  if (!options.log.empty()) {
    if (auto error = SaveLogFile(log, options.log)) return Fail(*error);
  }
  if (!options.json.empty()) {
    if (auto error = WriteJsonReport(options.json, run)) return Fail(*error);
  }
  if (!options.trace.empty()) {
    if (auto error = WriteTrace(options.trace, result)) return Fail(*error);
  }
  return 0;
}

}  // namespace

CLI::App* AddTestCommand(CLI::App& app, int& exitCode) {
  auto options = std::make_shared<TestOptions>();
  CLI::App* test = app.add_subcommand("test", "Run an automatic test and print its log");
  test->add_option("--settings", options->settings,
                   "Settings file (default: the last-used settings of the start-up directory)");
  test->add_option("--sessions", options->sessions, "Sessions to run, 1 to 99 (default 1)");
  test->add_option("--hands", options->hands, "Rounds per session, or no-limit (default 1000)");
  test->add_option("--seed", options->seed, "Seed of the run (default: the clock)")
      ->check(CLI::Range(int64_t{0}, int64_t{4294967295}));
  test->add_option("--threads", options->threads, "Worker threads (default: every core)");
  test->add_option("--log", options->log, "Save the log page as text");
  test->add_option("--json", options->json, "Write every figure and session row as JSON");
  test->add_option("--trace", options->trace, "Write one CSV row per round (small tests)");
  test->callback([options, &exitCode] { exitCode = RunTestCommand(*options); });
  return test;
}

}  // namespace quorvel::cli
