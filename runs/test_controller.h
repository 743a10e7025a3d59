// The AUTO, STOP and RESET buttons over a test that runs on worker threads.
#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>

#include "config/active_settings.h"
#include "runs/session_stats.h"
#include "runs/simulator.h"
#include "runs/test_log.h"
#include "runs/test_runner.h"

namespace quorvel {

// What the AUTO button leads to.
enum class AutoOutcome {
  kRefused,     // no chart loaded: the "Unable to Load Data" message is shown
  kStopped,     // a running (or refused) test was stopped
  kChooseTest,  // the test screen should open
};

class TestController {
 public:
  // `table` is the main screen's table; its display gets the screen steps.
  TestController(Simulator& table, ActiveSettings& active, std::filesystem::path lastUsedFile);
  ~TestController();
  TestController(const TestController&) = delete;
  TestController& operator=(const TestController&) = delete;

  // The AUTO button: refuses without a chart, stops a running test, or asks
  // for the test screen.
  AutoOutcome RunTests();
  // The test screen's Start: re-applies the last-used settings and starts the
  // sessions on worker threads. A message instead when the test cannot start.
  std::optional<std::string> StartTests(int sessions, double handsPerSession, uint64_t seed,
                                        int threads);
  // Choices of the test screen that no settings file holds, kept for the tests that follow.
  void SetPlayChoices(bool endAtBust, double roundsPerHour) {
    endAtBust_ = endAtBust;
    roundsPerHour_ = roundsPerHour;
  }
  // STOP: ends the test between rounds, merges what finished and shows the counters.
  void StopTests();
  // The screen polls this; once true, FinishTest closes the test.
  bool WorkersDone() const { return workersDone_.load(); }
  // The end of the last session: stops, shows the round count and the result per hand.
  void FinishTest();
  // RESET: zero counters on screen and the last-used settings applied afresh.
  SettingsStatus Reset1Click();

  bool Running() const { return worker_.joinable(); }
  const TestProgress& Progress() const { return progress_; }
  const TestResult& Result() const { return result_; }
  const TestLog& Log() const { return log_; }
  TestLog& Log() { return log_; }
  SessionStats& Stats() { return stats_; }

 private:
  void ShowCounters();

  Simulator& table_;
  ActiveSettings& active_;
  std::filesystem::path lastUsedFile_;
  bool endAtBust_ = false;
  double roundsPerHour_ = kDefaultRoundsPerHour;
  std::atomic<bool> stop_{false};
  std::atomic<bool> workersDone_{false};
  TestProgress progress_;
  TestResult result_;
  SessionStats stats_;
  TestLog log_;
  std::optional<std::string> problem_;
  std::thread worker_;
};

}  // namespace quorvel
