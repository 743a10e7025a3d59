// The whole running state of a table and the operations on it; screens and the command line drive this.
#pragma once

#include <cstdint>
#include <filesystem>
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

class Simulator : private SessionEndSink {
 public:
  explicit Simulator(Display* display = nullptr);
  Simulator(const Simulator&) = delete;
  Simulator& operator=(const Simulator&) = delete;

  // The generator is seeded once per run; every shuffle continues its stream.
  void Seed(uint32_t seed) { engine.shoe.Random().Seed(seed); }
  void SetChartDirectory(std::filesystem::path directory) { chartDirectory_ = std::move(directory); }
  const std::filesystem::path& ChartDirectory() const { return chartDirectory_; }

  // Makes settings active and restarts from them: rules, progression rules,
  // full reset, cut point, session money, chart, a fresh shoe.
  void ApplySettings(const AppliedSettings& settings);

  // One complete round: deal, play, settle, shoe check, session step.
  void DealCards();
  // The table reset: level 0 full, 1 between the sessions of a test.
  void ResetVariables(int level);
  // "Shuffle Now": three shuffles and a fresh start of the shoe.
  void Shuffle1Click();

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
  // Session bookkeeping after a round of a test.
  void EndOfRoundTest();

  Display* display_;
  LimitModes modes_;
  std::filesystem::path chartDirectory_ = "chartdata";
  int8_t lastRoundOutcome_ = 0;
};

}  // namespace quorvel
