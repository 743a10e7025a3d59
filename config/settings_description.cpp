// A readable listing of every setting of a settings file.
#include "config/settings_description.h"

#include <array>
#include <initializer_list>
#include <string_view>

namespace quorvel {

namespace {

// The caption of a chosen item; a choice no screen offers is shown as its number.
std::string Choice(int value, std::initializer_list<std::string_view> items) {
  if (value >= 0 && value < static_cast<int>(items.size())) {
    return std::string(items.begin()[value]);
  }
  if (value == -1) return "no selection";
  return "unknown choice " + std::to_string(value);
}

std::string YesNo(int value) { return value != 0 ? "yes" : "no"; }

constexpr std::array<std::string_view, 7> kTrackingActions = {
    "do nothing",      "set bet to",    "increase bet by",    "decrease bet by",
    "multiply bet by", "divide bet by", "new shoe/reshuffle"};

class Lines {
 public:
  void Add(std::string_view caption, const std::string& value) {
    text_.append(caption).append(": ").append(value).push_back('\n');
  }
  void Add(const std::string& line) { text_.append(line).push_back('\n'); }
  std::string Take() { return std::move(text_); }

 private:
  std::string text_;
};

void DescribeTracking(Lines& lines, const TrackingOptions& t) {
  lines.Add("Bet Tracking Enabled", YesNo(t.betTrackingEnabled));
  lines.Add("Bet Tracking Reset Point", std::to_string(t.resetPointUnits) + " units");
  lines.Add("Round Off Bets for Tracking", YesNo(t.roundOffBets));
  lines.Add("Win/Loss Tracking Enabled", YesNo(t.winLossTrackingEnabled));
  lines.Add("Reset Win/Loss Tracking after",
            YesNo(t.resetAfterShoes) + ", " + std::to_string(t.shoesBeforeReset) + " shoes");
  lines.Add("Win/Loss Action Units Last Shown", std::to_string(t.lastActionUnits));
  // Only counts that hold something; a fresh block would give 41 empty lines.
  for (int i = 0; i < kTrackingCounts; ++i) {
    int action = i < kTrackingCounts - 1 ? t.countAction[i] : 0;
    if (action == 0 && t.countUnits[i] == 0) continue;
    std::string actionText = action < static_cast<int>(kTrackingActions.size())
                                 ? std::string(kTrackingActions[action])
                                 : "unknown action " + std::to_string(action);
    lines.Add("Win/Loss Count " + std::to_string(i - 20),
              actionText + ", " + std::to_string(t.countUnits[i]) + " units");
  }
}

}  // namespace

std::string PlainRuleLine(const ProgressionTable& table, int index) {
  ProgressionRule rule = table.Rule(index);
  return "rule " + std::to_string(index) + ": action " + std::to_string(rule.action) +
         ", units " + std::to_string(rule.wholeUnits) + "." + std::to_string(rule.tenthUnits);
}

std::string DescribeSettings(const SettingsFile& settings, const RuleLineWriter& ruleLine) {
  const TableOptions& o = settings.options;
  Lines lines;
  lines.Add("Players", std::to_string(o.players));
  lines.Add("Decks", std::to_string(o.decks));
  lines.Add("Deck Penetration", o.penetration == 0 ? "Continuous Shuffle"
                                                   : std::to_string(o.penetration) + " percent");
  lines.Add("Dealer Options",
            Choice(o.dealerHitsSoft17, {"Dealer Stands on all 17s", "Dealer Hits on soft 17"}));
  lines.Add("Surrender Options", Choice(o.lateSurrender, {"No Surrender", "Late Surrender"}));
  lines.Add("Double After Split",
            Choice(o.noDoubleAfterSplit, {"DAS Allowed", "DAS Not Allowed"}));
  lines.Add("Starting Bankroll", Choice(o.bankrollInUnits, {"In Dollars:", "In Units:"}) + " " +
                                     TextOf(o.bankrollText));
  lines.Add("Betting Unit",
            Choice(o.betUnitInPercent, {"In Dollars:", "As Percent of Bankroll:"}) + " " +
                TextOf(o.betUnitText));
  lines.Add("Win Limit", Choice(o.winLimitMode, {"No Win Limit", "Stop Session at Win Limit",
                                                 "Stop at First Loss After Limit"}));
  lines.Add("Win Limit $", TextOf(o.winLimitText));
  lines.Add("Loss Limit", Choice(o.lossLimitMode, {"No Loss Limit", "Stop Session at Loss Limit"}));
  lines.Add("Loss Limit $", TextOf(o.lossLimitText));
  lines.Add("Bet Minimum", settings.minimumText + " dollars");
  lines.Add("Bet Maximum", settings.maximumText + " dollars");

  const SpecialCounting& s = settings.special;
  lines.Add("Blackjack", Choice(s.blackjack, {"1 Win", "2 Wins"}));
  lines.Add("Won Double", Choice(s.wonDouble, {"1 Win", "2 Wins"}));
  lines.Add("Lost Double", Choice(s.lostDouble, {"1 Loss", "2 Losses"}));
  lines.Add("Money Won in a Split",
            Choice(s.splitWin, {"Always 1 Win", "2 Wins if greater than 1 Unit"}));
  lines.Add("Money Lost in a Split",
            Choice(s.splitLoss, {"Always 1 Loss", "2 Losses if greater than 1 Unit"}));

  DescribeTracking(lines, settings.tracking);

  const ProgressionTable& p = settings.progression;
  lines.Add("Enable Progression Testing", YesNo(p.progressionEnabled));
  for (int index = 0; index < kRuleCount; ++index) {
    if (p.ruleAction[index] != 0) lines.Add(ruleLine(p, index));
  }
  return lines.Take();
}

}  // namespace quorvel
