// Applies the progression rules after every won or lost round.
#include "money/progression_engine.h"

#include <algorithm>

#include "money/win_loss_choices.h"

namespace quorvel {

void SlideWins(MoneyState& money, bool won) {
  if (won) {
    ++money.winsInRow;
    money.lossesInRow = 0;
  } else {
    money.winsInRow = 0;
    ++money.lossesInRow;
  }
  auto& history = money.resultHistory;
  std::copy_backward(history.begin(), history.end() - 1, history.end());
  history[0] = won ? 10 : 1;
}

void ProgressionEngine::Load(const ProgressionTable& table) {
  table_ = table;
  activeRules_ = Enabled() ? ListActiveRules(table_) : ActiveRuleList{};
}

int ProgressionEngine::MatchRule(const std::array<int8_t, 20>& resultHistory) const {
  // Which rule fires depends only on whether any window matches it, not on
  // which one, so mark the rule index each window produces and then look the
  // rules up from the highest down.
  std::array<bool, kRuleCount> matched{};
  int wins = 0;
  int losses = 0;
  for (int k = 0; k < kWindowCount; ++k) {
    const int entry = resultHistory[k];
    wins = std::clamp(wins + entry / 10, 0, kCountCap);
    losses = std::clamp(losses + entry % 10, 0, kCountCap);
    matched[wins * 10 + losses] = true;
  }
  for (int i = activeRules_.count - 1; i >= 0; --i) {
    if (matched[activeRules_.index[i]]) return activeRules_.index[i];
  }
  return -1;
}

void ProgressionEngine::CallWinLossAction(MoneyState& money, bool testRunning,
                                          SessionEndSink& sessionEnd, Display& display) {
  firedRule_ = -1;
  const int rule = MatchRule(money.resultHistory);
  // Rule 0 waits for no result at all, so it never acts.
  if (rule <= 0) return;
  const auto action = static_cast<BetAction>(table_.ruleAction[rule]);
  const float amount = table_.Amount(rule);
  if (!WLChoices(money, action, amount, testRunning, sessionEnd)) return;
  firedRule_ = rule;
  if (testRunning) return;

  SeeWL(action, amount, message_);
  const int wins = rule / 10;
  const int losses = rule % 10;
  message_ += " after ";
  if (wins != 0) {
    message_ += static_cast<char>('0' + wins);
    message_ += " won";
    if (losses != 0) message_ += " and ";
  }
  if (losses != 0) {
    message_ += static_cast<char>('0' + losses);
    message_ += " lost";
  }
  message_ += '.';
  display.SetLabel(Label::Q2, message_);
}

}  // namespace quorvel
