// The AUTO, STOP and RESET buttons over a test that runs on worker threads.
#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

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

// Where a test stands. Only the controller moves it, and each test passes
// through kStopping or the end of its workers exactly once.
enum class TestPhase { kIdle, kRunning, kStopping, kFinished, kStopped };

// How a test ended: its last session finished, or it was cut short (STOP,
// RESET, closing the window).
enum class TestEnd { kFinished, kStopped };

// The most rounds per session a test offers; 0 stands for no limit.
inline constexpr double kMostHandsPerSession = 100000000;

// The worker threads for a machine with `processors` logical processors.
int WorkerThreadsFor(int processors);

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
  // sessions on worker threads, as many as `processors` allows. A message
  // instead when the test cannot start.
  std::optional<std::string> StartTests(int sessions, double handsPerSession, uint64_t seed,
                                        int processors);
  // Choices of the test screen that no settings file holds, kept for the tests that follow.
  void SetPlayChoices(bool endAtBust, double roundsPerHour) {
    endAtBust_ = endAtBust;
    roundsPerHour_ = roundsPerHour;
  }
  // STOP: ends a running test between rounds, merges what finished, carries on
  // the interrupted session at the table and shows the counters. Without a
  // running test it only clears a refused AUTO's message. True when it ended a test.
  bool StopTests();
  // The screen polls this; once true, FinishTest closes the test.
  bool WorkersDone() const { return workersDone_.load(); }
  // The end of the last session: shows the round count and the result per
  // hand. Does nothing unless a running test's workers are done; true when it
  // ended the test.
  bool FinishTest();
  // The last-used settings applied afresh (ReturnData). A damaged file is not
  // played from: the new user's settings are, and the file stays as it is.
  SettingsStatus ApplyLastUsed();
  // Whether the last-used file differs from what the table last read of it,
  // or was told of (quorvel-cli writes the same file).
  bool LastUsedChangedOutside() const;
  // The file as it is now is the window's own (written by a screen, not applied).
  void NoteLastUsedFile();
  // RESET: stops a running test, zero counters on screen and the last-used
  // settings applied afresh.
  SettingsStatus Reset1Click();
  // Called once per test, on the thread that ended it, as the test ends.
  void SetEndNotice(std::function<void(TestEnd)> notice) { endNotice_ = std::move(notice); }

  TestPhase Phase() const { return phase_; }
  bool Running() const { return phase_ == TestPhase::kRunning; }
  const TestProgress& Progress() const { return progress_; }
  const TestResult& Result() const { return result_; }
  const TestLog& Log() const { return log_; }
  TestLog& Log() { return log_; }
  SessionStats& Stats() { return stats_; }

 private:
  // Joins the workers and takes their result onto the table.
  void CloseTest();
  void CarryOnInterruptedSession();
  void ShowCounters();
  void ShowResultPerHand();
  void End(TestEnd end);

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
  std::vector<uint8_t> lastUsedSeen_;
  TestPhase phase_ = TestPhase::kIdle;
  std::function<void(TestEnd)> endNotice_;
  std::thread worker_;
};

}  // namespace quorvel
