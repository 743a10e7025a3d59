// Applies the progression rules after every won or lost round.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/display.h"
#include "money/money_state.h"
#include "money/progression_table.h"
#include "money/session_end.h"

namespace quorvel {

// Records one counted round in the in-a-row counters and the result history.
void SlideWins(MoneyState& money, bool won);

// The engine's copy of the rules and the list of active ones.
class ProgressionEngine {
 public:
  // Longest run of recent results a rule is matched against, and the most
  // wins or losses a window counts.
  static constexpr int kWindowCount = 18;
  static constexpr int kCountCap = 9;

  // Session set-up: takes the table and rebuilds the active list, which stays
  // empty unless the table is enabled.
  void Load(const ProgressionTable& table);
  bool Enabled() const { return table_.progressionEnabled != 0; }
  const ProgressionTable& Table() const { return table_; }
  // activeRules: ascending rule indexes; the matching scans it from the end.
  const ActiveRuleList& ActiveRules() const { return activeRules_; }

  // Finds the matching rule and applies it to money.betUnits. In manual play
  // (testRunning false) the message goes to label Q2 and is kept in Message().
  // While a test runs it builds no text and allocates nothing.
  void CallWinLossAction(MoneyState& money, bool testRunning, SessionEndSink& sessionEnd,
                         Display& display);
  const std::string& Message() const { return message_; }
  // The rule that acted in the last CallWinLossAction, or -1; for round traces.
  int FiredRule() const { return firedRule_; }

  // The highest active rule that some window of the newest results matches,
  // or -1 when none does.
  int MatchRule(const std::array<int8_t, 20>& resultHistory) const;

 private:
  ProgressionTable table_{};
  ActiveRuleList activeRules_{};
  std::string message_;
  int firedRule_ = -1;
};

}  // namespace quorvel
