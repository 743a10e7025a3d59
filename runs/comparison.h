// Betting systems tested one after another on the same plan and seed, so each plays the same sessions of the same rounds.
#pragma once

#include <atomic>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "config/active_settings.h"
#include "runs/test_runner.h"

namespace quorvel {

inline constexpr int kFewestCompared = 2;
inline constexpr int kMostCompared = 8;

struct ComparedSystem {
  std::string name;  // the settings file, or what else the settings came from
  ActiveSettings settings;
  TestResult result;
};

// The systems done and the progress of the one running, readable from another thread.
struct ComparisonProgress {
  std::atomic<int> systemsDone{0};
  TestProgress current;
};

// A table set up for a test of `settings` as every test starts: its charts
// from `chartDirectory`, seeded before the settings shuffle the shoe. A
// message instead when the chart file the settings deal by is damaged.
std::optional<std::string> SetUpTestTable(Simulator& base, const ActiveSettings& settings,
                                          const std::filesystem::path& chartDirectory, uint64_t seed);

// Runs each system as a test of `plan`. Once `stop` is set the running test
// stops between rounds and no later system runs. A message instead when a
// system cannot be tested, naming it.
std::optional<std::string> RunComparison(std::vector<ComparedSystem>& systems, const TestPlan& plan,
                                         const std::filesystem::path& chartDirectory,
                                         const std::atomic<bool>& stop, ComparisonProgress& progress);

// One comparison on a worker thread: it owns the thread, the stop flag, the
// progress and the systems while they run, so a screen only starts, polls and stops it.
class ComparisonRun {
 public:
  ComparisonRun() = default;
  ~ComparisonRun() { Stop(); }
  ComparisonRun(const ComparisonRun&) = delete;
  ComparisonRun& operator=(const ComparisonRun&) = delete;

  // Starts the systems on `plan`; refused while a comparison runs or with a plan the test refuses.
  std::optional<std::string> Start(std::vector<ComparedSystem> systems, const TestPlan& plan,
                                   const std::filesystem::path& chartDirectory);
  // Stops between rounds and waits for the worker; what finished is kept.
  void Stop();
  bool Running() const { return worker_.joinable(); }
  // Once true, Finish() returns at once.
  bool Done() const { return done_.load(); }
  // Waits for the worker and gives the message of a system that could not be tested, if any.
  std::optional<std::string> Finish();
  bool Stopped() const { return stop_.load(); }

  const ComparisonProgress& Progress() const { return progress_; }
  // Only once finished.
  const std::vector<ComparedSystem>& Systems() const { return systems_; }

 private:
  std::vector<ComparedSystem> systems_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> done_{false};
  ComparisonProgress progress_;
  std::optional<std::string> problem_;
  std::thread worker_;
};

// Whether the flat-bet twins of the systems played alike (the same unit on the
// same rounds), so that one twin stands for all.
bool TwinsAgree(const std::vector<ComparedSystem>& systems);

}  // namespace quorvel
