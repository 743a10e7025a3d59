// Checking and applying the settings options of the command line.
#include "cli/settings_edits.h"

#include <gtest/gtest.h>

#include "config/default_settings.h"
#include "settings_examples.h"

namespace quorvel::cli {
namespace {

// Applies to a copy and returns the message, or "" when the arguments were taken.
std::string Refusal(const SettingsArguments& a, bool newFile, const SettingsFile& start) {
  SettingsFile s = start;
  std::optional<std::string> problem = ApplySettingsArguments(a, newFile, s);
  if (problem) {
    EXPECT_EQ(s, start) << "a refused change must leave the settings alone";
  }
  return problem.value_or("");
}

TEST(RuleArguments, ReadWinsLossesActionAndAmount) {
  struct Case {
    const char* text;
    int index;
    int action;
    int whole;
    int tenths;
  };
  for (const Case& c :
       {Case{"0,1,multiply,2", 1, kMultiplyBet, 2, 0},
        Case{"2,3,increase,1.5", 23, kIncreaseBet, 1, 5},
        Case{"9,9,divide,99.9", 99, kDivideBet, 99, 9}, Case{"0,2,set,0.5", 2, kSetBet, 0, 5},
        Case{"4,0,decrease,10", 40, kDecreaseBet, 10, 0}, Case{"3,0,end", 30, kEndSession, 0, 0},
        Case{"1,0,none", 10, kNoAction, 0, 0}}) {
    const RuleParse parsed = ParseRule(c.text);
    EXPECT_EQ(parsed.error, "") << c.text;
    EXPECT_EQ(parsed.rule.index, c.index) << c.text;
    EXPECT_EQ(parsed.rule.action, c.action) << c.text;
    EXPECT_EQ(parsed.rule.wholeUnits, c.whole) << c.text;
    EXPECT_EQ(parsed.rule.tenthUnits, c.tenths) << c.text;
  }
}

TEST(RuleArguments, RefuseWhatNoRuleCanHold) {
  struct Case {
    const char* text;
    const char* why;
  };
  const std::string badAmount = "the amount is 0 to 99.9 units with at most one decimal, e.g. 1.5";
  for (const Case& c : {
           Case{"0,0,set,1", "a rule waits for at least one win or loss"},
           Case{"10,0,set,1", "wins and losses are whole numbers from 0 to 9"},
           Case{"1,0,set,1,2", "write WINS,LOSSES,ACTION[,AMOUNT], e.g. 0,1,multiply,2"},
           Case{"1,0,Set,2",
                "the action is one of none, set, increase, decrease, multiply, divide or end"},
           Case{"1,2,set", "set needs an amount, e.g. 1,2,set,2"},
           Case{"3,0,end,1", "end takes no amount"},
           Case{"1,0,set,1.25", badAmount.c_str()},
           Case{"1,0,set,.5", badAmount.c_str()},
           Case{"1,0,set,100", badAmount.c_str()},
           Case{"1,0,set,-1", badAmount.c_str()},
           Case{"1,0,divide,0.0", "divide needs an amount above 0"},
       }) {
    EXPECT_EQ(ParseRule(c.text).error, std::string("--rule '") + c.text + "': " + c.why);
  }
}

TEST(NewSettings, NothingGivenIsTheDefaults) {
  SettingsFile s = DefaultSettings();
  EXPECT_FALSE(ApplySettingsArguments({}, true, s));
  EXPECT_EQ(s, DefaultSettings());
}

TEST(NewSettings, RefusesValuesOutOfRange) {
  struct Case {
    SettingsArguments arguments;
    std::string why;
  };
  auto with = [](auto field, std::string value) {
    SettingsArguments a;
    a.*field = value;
    return a;
  };
  const SettingsFile start = DefaultSettings();
  for (const Case& c : {
           Case{with(&SettingsArguments::players, "8"),
                "--players takes a whole number from 1 to 7, not '8'"},
           Case{with(&SettingsArguments::players, " 3"),
                "--players takes a whole number from 1 to 7, not ' 3'"},
           Case{with(&SettingsArguments::decks, "5"), "--decks takes 2, 4, 6 or 8, not '5'"},
           Case{with(&SettingsArguments::bankroll, "10000000"),
                "--bankroll takes a whole number from 1 to 9999999, not '10000000'"},
           Case{with(&SettingsArguments::unit, "0"),
                "--unit takes a whole number from 1 to 9999999, not '0'"},
           Case{with(&SettingsArguments::unit, "2.5"),
                "--unit takes a whole number from 1 to 9999999, not '2.5'"},
           Case{with(&SettingsArguments::maximum, "0"),
                "--max takes a whole number from 1 to 9999, not '0'"},
           Case{with(&SettingsArguments::minimum, "501"),
                "the bet minimum $501 is above the bet maximum $500"},
           Case{with(&SettingsArguments::winLimit, "stop"),
                "--win-limit stop needs --win-amount in dollars"},
           Case{with(&SettingsArguments::winLimit, "always"),
                "--win-limit takes none, stop or first-loss, not 'always'"},
           Case{with(&SettingsArguments::lossLimit, "first-loss"),
                "--loss-limit takes none or stop, not 'first-loss'"},
           Case{with(&SettingsArguments::lossAmount, "200"),
                "--loss-amount needs a limit: add --loss-limit stop"},
       }) {
    EXPECT_EQ(Refusal(c.arguments, true, start), c.why);
  }
}

TEST(NewSettings, RefusesOptionsThatContradictEachOther) {
  const SettingsFile start = DefaultSettings();
  struct Case {
    bool SettingsArguments::*first;
    bool SettingsArguments::*second;
    std::string why;
  };
  for (const Case& c :
       {Case{&SettingsArguments::dealerHitsSoft17, &SettingsArguments::dealerStandsSoft17,
             "--h17 and --s17 contradict each other"},
        Case{&SettingsArguments::lateSurrender, &SettingsArguments::noSurrender,
             "--late-surrender and --no-surrender contradict each other"},
        Case{&SettingsArguments::noDoubleAfterSplit, &SettingsArguments::doubleAfterSplit,
             "--no-das and --das contradict each other"},
        Case{&SettingsArguments::progression, &SettingsArguments::noProgression,
             "--progression and --no-progression contradict each other"}}) {
    SettingsArguments a;
    a.*c.first = a.*c.second = true;
    EXPECT_EQ(Refusal(a, true, start), c.why);
  }
  SettingsArguments a;
  a.penetration = "60";
  a.continuousShuffle = true;
  EXPECT_EQ(Refusal(a, true, start),
            "--penetration and --continuous-shuffle contradict each other");
}

TEST(UnitArguments, APercentIsKeptAsTypedWithinItsRange) {
  SettingsArguments a;
  a.unitPercent = true;
  EXPECT_EQ(Refusal(a, true, DefaultSettings()), "--unit-percent needs --unit with the percent");
  for (const char* refused : {"0", "100.5", "1.2.3", "12345678", "5%", ""}) {
    a.unit = refused;
    EXPECT_NE(Refusal(a, true, DefaultSettings()).find("--unit as a percent takes"),
              std::string::npos)
        << refused;
  }
  for (const char* taken : {"100", "0.25"}) {
    a.unit = taken;
    SettingsFile s = DefaultSettings();
    ASSERT_FALSE(ApplySettingsArguments(a, true, s)) << taken;
    EXPECT_EQ(s.options.betUnitInPercent, 1);
    EXPECT_EQ(TextOf(s.options.betUnitText), taken);
  }

  a.bankrollInUnits = true;
  EXPECT_EQ(Refusal(a, true, DefaultSettings()),
            "a bankroll in units needs a unit in dollars, not a percent of the bankroll");
}

TEST(UnitArguments, ChangingAPercentFileBackToDollarsNeedsAnAmount) {
  SettingsFile percent = DefaultSettings();
  percent.options.betUnitInPercent = 1;
  percent.options.betUnitText = MakeSettingsText(".5");
  SettingsArguments a;
  a.unitDollars = true;
  EXPECT_EQ(Refusal(a, false, percent), "--unit-dollars needs --unit with the dollars");
  a.unit = "5";
  ASSERT_FALSE(ApplySettingsArguments(a, false, percent));
  EXPECT_EQ(percent.options.betUnitInPercent, 0);
  EXPECT_EQ(TextOf(percent.options.betUnitText), "5");

  // Without a mode option the unit is read in the mode the file has.
  percent.options.betUnitInPercent = 1;
  SettingsArguments unitOnly;
  unitOnly.unit = "1.5";
  ASSERT_FALSE(ApplySettingsArguments(unitOnly, false, percent));
  EXPECT_EQ(TextOf(percent.options.betUnitText), "1.5");
  EXPECT_EQ(percent.options.betUnitInPercent, 1);
}

// That only the given fields change, carried blocks included, is the command line case
// set-keeps-other-fields.
TEST(ChangedSettings, ALimitKeepsItsAmountUnlessItWasOff) {
  SettingsFile file = quorvel::testing::ExampleSettings();  // win limit stop at 200, loss 150
  SettingsArguments a;
  a.winLimit = "first-loss";
  SettingsFile s = file;
  ASSERT_FALSE(ApplySettingsArguments(a, false, s));
  EXPECT_EQ(s.options.winLimitMode, 2);
  EXPECT_EQ(TextOf(s.options.winLimitText), "200");

  SettingsArguments amount;
  amount.lossAmount = "075";
  ASSERT_FALSE(ApplySettingsArguments(amount, false, s));
  EXPECT_EQ(TextOf(s.options.lossLimitText), "75");

  SettingsArguments off;
  off.lossLimit = "none";
  ASSERT_FALSE(ApplySettingsArguments(off, false, s));
  EXPECT_EQ(s.options.lossLimitMode, 0);
  SettingsArguments backOn;
  backOn.lossLimit = "stop";
  EXPECT_EQ(Refusal(backOn, false, s), "--loss-limit stop needs --loss-amount in dollars");
}

TEST(ChangedSettings, RulesReplaceTheirCellsAndSetTheSwitch) {
  SettingsFile file = DefaultSettings();
  file.progression.ruleAction[1] = kMultiplyBet;
  file.progression.ruleUnits[1] = 2;
  file.progression.ruleEndSeq[1] = 1;
  file.progression.ruleAction[10] = kSetBet;
  file.progression.ruleUnits[10] = 1;

  SettingsArguments replace;
  replace.rules = {"0,1,increase,1", "1,0,none"};
  SettingsFile s = file;
  ASSERT_FALSE(ApplySettingsArguments(replace, false, s));
  EXPECT_EQ(s.progression.Rule(1).action, kIncreaseBet);
  EXPECT_EQ(s.progression.Rule(1).wholeUnits, 1);
  EXPECT_EQ(s.progression.Rule(1).endSeq, 1) << "END SEQ is carried, not edited";
  EXPECT_EQ(s.progression.Rule(10).action, kNoAction);
  EXPECT_EQ(s.progression.Rule(10).wholeUnits, 0);
  EXPECT_EQ(s.progression.progressionEnabled, 1);

  SettingsArguments stored;
  stored.rules = {"2,0,set,4"};
  stored.noProgression = true;
  ASSERT_FALSE(ApplySettingsArguments(stored, false, s));
  EXPECT_EQ(s.progression.ruleAction[20], kSetBet);
  EXPECT_EQ(s.progression.progressionEnabled, 0);

  SettingsArguments clear;  // every cell, END SEQ too, which settings show cannot list
  clear.clearRules = true;
  s.progression.progressionEnabled = 1;
  ASSERT_FALSE(ApplySettingsArguments(clear, false, s));
  EXPECT_EQ(s.progression, ProgressionTable{});

  SettingsArguments twice;
  twice.rules = {"1,2,set,1", "1,2,increase,1"};
  EXPECT_EQ(Refusal(twice, false, file), "--rule gives the rule after 1 wins and 2 losses twice");
}

}  // namespace
}  // namespace quorvel::cli
