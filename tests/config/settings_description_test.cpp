// The readable listing of a settings file.
#include <gtest/gtest.h>

#include <string>

#include "config/settings_description.h"
#include "settings_examples.h"

namespace quorvel {
namespace {

bool HasLine(const std::string& text, const std::string& line) {
  return ("\n" + text).find("\n" + line + "\n") != std::string::npos;
}

TEST(SettingsDescription, ListsEveryFieldByItsCaption) {
  SettingsFile s = testing::ExampleSettings();
  s.special.wonDouble = 1;
  s.special.splitWin = 7;
  s.tracking.countAction[19] = 2;  // count -1
  s.tracking.countUnits[19] = 3;
  std::string text = DescribeSettings(s);
  for (const char* line :
       {"Players: 1", "Decks: 6", "Deck Penetration: 75 percent",
        "Dealer Options: Dealer Hits on soft 17", "Double After Split: DAS Not Allowed",
        "Starting Bankroll: In Dollars: 500", "Win Limit: Stop Session at Win Limit",
        "Loss Limit $: 150", "Bet Maximum: 500 dollars", "Blackjack: no selection",
        "Won Double: 2 Wins", "Money Won in a Split: unknown choice 7",
        "Reset Win/Loss Tracking after: no, 1 shoes",
        "Win/Loss Count -1: increase bet by, 3 units", "Enable Progression Testing: no"}) {
    EXPECT_TRUE(HasLine(text, line)) << line << "\nin:\n" << text;
  }
  EXPECT_EQ(text.find("Win/Loss Count -20"), std::string::npos);
}

TEST(SettingsDescription, ActiveRulesGoThroughTheRuleWriter) {
  SettingsFile s;
  s.options.penetration = 0;
  s.progression.ruleAction[23] = kIncreaseBet;
  s.progression.ruleUnits[23] = 1;
  s.progression.ruleTenths[23] = 5;
  s.progression.ruleAction[40] = kEndSession;
  s.progression.ruleUnits[41] = 9;  // no action: not a rule
  std::string plain = DescribeSettings(s);
  EXPECT_TRUE(HasLine(plain, "Deck Penetration: Continuous Shuffle"));
  EXPECT_TRUE(HasLine(plain, "rule 23: action 2, units 1.5"));
  EXPECT_TRUE(HasLine(plain, "rule 40: action 6, units 0.0"));
  EXPECT_EQ(plain.find("rule 41"), std::string::npos);

  std::string custom = DescribeSettings(
      s, [](const ProgressionTable&, int index) { return std::string(1, 'R') += std::to_string(index); });
  EXPECT_TRUE(plain.ends_with("rule 23: action 2, units 1.5\nrule 40: action 6, units 0.0\n"));
  EXPECT_TRUE(custom.ends_with("Enable Progression Testing: no\nR23\nR40\n"));
}

}  // namespace
}  // namespace quorvel
