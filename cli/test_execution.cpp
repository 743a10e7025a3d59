// Running a planned test from the command line, shared by `test` and `compare`.
#include "cli/test_execution.h"

#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <ctime>
#include <exception>
#include <iostream>
#include <mutex>
#include <thread>

#include "cli/option_values.h"
#include "cli/progress_bar.h"
#include "cli/settings_reader.h"
#include "cli/stop_signals.h"
#include "config/default_settings.h"
#include "config/settings_cursor.h"
#include "config/settings_values.h"
#include "config/program_folders.h"
#include "runs/comparison.h"
#include "runs/return_data.h"
#include "runs/test_merge.h"

namespace quorvel::cli {
namespace {

constexpr int64_t kMostRoundsPerHour = 10000;

// Draws the bar until the test ends; it wakes at the end at once, so a short
// test does not wait out its last tick.
class ProgressDrawer {
 public:
  ProgressDrawer(const TestProgress& progress, const TestPlan& plan, ProgressStyle style)
      : terminal_(style == ProgressStyle::kBar), started_(std::chrono::steady_clock::now()) {
    thread_ = std::thread([this, &progress, &plan, style] {
      constexpr std::chrono::milliseconds kTick{200};
      constexpr int kTicksALine = 50;  // a line every 10 s where the bar cannot be redrawn
      std::unique_lock<std::mutex> lock(mutex_);
      for (int tick = 1; !wake_.wait_for(lock, kTick, [this] { return finished_; }); ++tick) {
        if (style == ProgressStyle::kNone || (style == ProgressStyle::kLines && tick % kTicksALine != 0)) continue;
        std::cerr << (terminal_ ? "\r" : "")
                  << ProgressLine(progress.Rounds(), plan.handsPerSession * plan.sessions,
                                  progress.SessionsFinished(), plan.sessions, Seconds())
                  << (terminal_ ? "\033[K" : "\n") << std::flush;
      }
    });
  }
  // Ends the bar and gives the wall time of the test.
  double Finish() {
    const double seconds = Seconds();
    {
      std::lock_guard<std::mutex> lock(mutex_);
      finished_ = true;
    }
    wake_.notify_one();
    thread_.join();
    if (terminal_) std::cerr << "\r\033[K" << std::flush;
    return seconds;
  }

 private:
  double Seconds() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count();
  }
  bool terminal_;
  std::chrono::steady_clock::time_point started_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool finished_ = false;
  std::thread thread_;
};

}  // namespace

void AddPlanOptions(CLI::App& command, PlanOptions& options) {
  command.add_option("--sessions", options.sessions, "Sessions to run, 1 to 10000000 (default 1)")
      ->type_name("N");
  command.add_option("--hands", options.hands, "Rounds per session, or no-limit (default 1000)")
      ->type_name("N|no-limit");
  command.add_option("--seed", options.seed, "Seed of the run, 0 to 4294967295 (default: the clock)")
      ->type_name("S");
  command.add_option("--threads", options.threads, "Worker threads, 1 to 64 (default: every core)")
      ->type_name("N");
  command.add_flag("--end-at-bust", options.endAtBust,
                   "End a session when the bankroll cannot cover the next bet");
  command.add_option("--rounds-per-hour", options.roundsPerHour,
                     "Rounds dealt an hour, for the hourly figures, 1 to 10000 (default 100)")
      ->type_name("N");
}

std::optional<std::string> ReadPlan(const PlanOptions& options, TestPlan& plan) {
  int64_t value = 0;
  if (auto problem = ReadWhole("--sessions", options.sessions, 1, kMostSessions, value)) return problem;
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
  plan.endAtBust = options.endAtBust;
  if (auto problem = ReadWhole("--rounds-per-hour", options.roundsPerHour, 1, kMostRoundsPerHour, value)) {
    return problem;
  }
  plan.roundsPerHour = static_cast<double>(value);
  return CheckPlan(plan);
}

std::optional<std::string> LoadSettings(const std::optional<std::string>& named, LoadedSettings& loaded) {
  if (auto problem = RequireName("--settings", named)) return problem;
  std::filesystem::path file;
  if (named) {
    file = *named;
  } else {
    file = ThisProgramsFolders().LastUsedFile();
    std::error_code error;
    if (std::filesystem::symlink_status(file, error).type() == std::filesystem::file_type::not_found) {
      loaded.active = ReadActiveSettingsBytes(EncodeSettings(DefaultSettings()), {}).settings;
      loaded.name = "built-in defaults";
      std::cerr << "quorvel-cli: no last-used settings file (" << file.string()
                << "); using the built-in defaults\n";
      return std::nullopt;
    }
  }
  // A file without its whole fixed part is refused in the words the settings commands use.
  const FileStart bytes = ReadSettingsFile(file);
  const std::string name = "the settings file '" + file.string() + "' ";
  const std::string whose = named ? "" : " (the last-used settings; --settings FILE gives others)";
  if (bytes.error != 0) return name + ReadProblem(bytes.error) + whose;
  if (bytes.bytes.size() < kFixedPartSize) return name + DecodeSettingsExactly(bytes.bytes).error + whose;
  ActiveReadResult read = ReadActiveSettingsBytes(bytes.bytes, {});
  // Values no table can play, read as the test would play them; `settings set` mends them.
  if (auto problem = CheckSettingsValues(read.settings.options)) {
    return name + "cannot be played: " + SentencePart(problem->message) + whose;
  }
  loaded = {read.settings, file.string(), std::move(read.warnings), file};
  return std::nullopt;
}

std::vector<RunFile> InputsOf(const LoadedSettings& settings) {
  const ProgramFolders folders = ThisProgramsFolders();
  Simulator table;
  table.SetChartDirectory(folders.ChartDirectory());
  table.ApplySettings(ToAppliedSettings(settings.active));
  std::vector<RunFile> inputs;
  if (!settings.file.empty()) inputs.push_back(Shown("the settings file", settings.file));
  // Without a writable folder there is no last-used file to protect.
  if (!folders.LastUsedFile().empty()) inputs.push_back(Shown("the last-used settings file", folders.LastUsedFile()));
  inputs.push_back(Shown("the chart file", table.ChartFile()));
  return inputs;
}

std::optional<std::string> ExecuteTest(const LoadedSettings& settings, const TestPlan& plan,
                                       SessionSource& source, const SessionRows& rows, ExecutedTest& run) {
  Simulator base;
  if (auto problem = SetUpTestTable(base, settings.active, ThisProgramsFolders().ChartDirectory(), plan.seed)) {
    return problem;
  }
  // Caught from before the first word on stderr, so a Ctrl-C as soon as the user reads it counts.
  CatchStopSignals();
  for (const std::string& warning : settings.warnings) {
    std::cerr << "quorvel-cli: warning: " << settings.name << ": " << warning << '\n';
  }
  if (!SessionsCanEnd(base, plan)) {
    std::cerr << "quorvel-cli: no round limit, no win or loss limit and no END SESSION rule: "
                 "this test runs until interrupted (Ctrl-C)\n";
  }
  TestProgress progress;
  std::optional<std::string> problem;
  ProgressDrawer bar(progress, plan, source.Progress());
  TestMerge merge(base, plan, false, run.result, run.stats, run.log);
  std::size_t number = 0;
  try {
    problem = source.Run(base, settings.active, plan, StopRequested(), progress,
                         [&](const SessionRecord& record) {
                           if (rows) rows(++number, record);
                           merge.Add(record);
                         },
                         run.threads);
  } catch (const std::exception& e) {
    problem = std::string("the test failed: ") + e.what();
  }
  merge.Finish();
  run.figures = merge.Figures();
  run.seconds = bar.Finish();
  return problem;
}

}  // namespace quorvel::cli
