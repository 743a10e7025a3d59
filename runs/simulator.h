// The whole running state of a table and the operations on it; screens and the command line drive this.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "engine/display.h"
#include "engine/table_engine.h"
#include "money/money_state.h"
#include "money/progression_engine.h"
#include "money/progression_table.h"
#include "money/session_end.h"
#include "money/session_money.h"
#include "runs/test_run_state.h"

namespace quorvel {

// Everything applying settings makes active, with the texts already read as numbers.
struct AppliedSettings {
  TableRules rules;
  MoneySettings money;
  int32_t tableMinimum = 0;
  int32_t tableMaximum = 200;
  ProgressionTable progression;
};

// What ended a session of a test; a bust ends it only when the test asks for that.
enum class SessionEndCause : int8_t { kRoundCount, kWinLimit, kLossLimit, kEndRule, kBust, kStopped };
inline constexpr std::size_t kEndCauses = 6;

// The current session's high and low: whole dollars and session round numbers.
// The exact amounts are kept beside them, so a high or low of $1403.50 that
// comes back keeps the round it was first reached at.
struct SessionTrack {
  int32_t sessionHand = 0;
  int32_t maxHigh = 0;
  int32_t maxHighHand = 0;
  int32_t maxLow = 0;
  int32_t maxLowHand = 0;
  double exactHigh = 0;
  double exactLow = 0;
};

class Simulator : private SessionEndSink {
 public:
  explicit Simulator(Display* display = nullptr);
  // A table in the state of `base` (after settings were applied), drawing on
  // `display`: how every session of a test starts.
  Simulator(const Simulator& base, Display* display);
  Simulator& operator=(const Simulator&) = delete;

  // The generator is seeded once per run; every shuffle continues its stream.
  void Seed(uint32_t seed) { engine.shoe.Random().Seed(seed); }
  void SetChartDirectory(std::filesystem::path directory) { chartDirectory_ = std::move(directory); }
  const std::filesystem::path& ChartDirectory() const { return chartDirectory_; }
  // The chart file the current rules deal by.
  std::filesystem::path ChartFile() const;
  // Why no round may be dealt by that file (missing, wrong size, unknown
  // codes), as found when the settings were applied; nothing for a whole chart.
  const std::optional<std::string>& ChartProblem() const { return chartProblem_; }

  // Makes settings active and restarts from them: rules, progression rules,
  // full reset, cut point, session money, chart, a fresh shoe.
  void ApplySettings(const AppliedSettings& settings);

  // One complete round: deal, play, settle, shoe check, session step.
  void DealCards();
  // The table reset: level 0 full, 1 between the sessions of a test.
  void ResetVariables(int level);
  // "Shuffle Now": three shuffles and a fresh start of the shoe.
  void Shuffle1Click();

  // Starts a session of a test from the starting bankroll, with the shoe
  // shuffled from its own stream; the session ends after `handsPerSession`
  // rounds (0: only a limit or a rule ends it).
  void StartSession(uint64_t streamState, double handsPerSession);
  bool SessionOver() const { return run.sessionLastHand != 0 && run.handsPlayed >= run.sessionLastHand; }
  const SessionTrack& Track() const { return track_; }
  // Sum of the user's hand results in the last round, in stakes.
  float LastNet() const { return lastNet_; }
  // Why the session ended: a limit or rule that ended it, else its round count.
  SessionEndCause EndCause() const { return endCause_; }

  // Class of the last settled round: +1 won, -1 lost, 0 neither.
  int8_t LastRoundOutcome() const { return lastRoundOutcome_; }
  const LimitModes& Modes() const { return modes_; }
  Display& Screen() { return *display_; }

  TableEngine engine;
  MoneyState money;
  ProgressionEngine progression;
  TestRunState run;

 private:
  void EndSession(std::string_view message) override;
  // Session bookkeeping after a round of a test: the session's high and low.
  void EndOfRoundTest();

  Display* display_;
  LimitModes modes_;
  std::filesystem::path chartDirectory_ = "chartdata";
  std::optional<std::string> chartProblem_;
  int8_t lastRoundOutcome_ = 0;
  float lastNet_ = 0;
  SessionEndCause endCause_ = SessionEndCause::kRoundCount;
  SessionTrack track_;
};

}  // namespace quorvel
