// The table reset by level, applying settings, and how a limit ends a manual session.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reference_chart.h"
#include "runs/simulator.h"
#include "table_settings.h"

namespace quorvel {
namespace {

using testing::TableSettings;

struct DialogDisplay : Display {
  std::vector<std::string> dialogs;
  int vanished = 0;
  void ShowLimitDialog(std::string_view message) override { dialogs.emplace_back(message); }
  void Vanish() override { ++vanished; }
};

// A table in the middle of a session: every counter away from its reset value.
void Dirty(Simulator& table) {
  table.run.handsPlayed = 50;
  table.money.handsWon = 20;
  table.money.handsLost = 25;
  table.money.totalBet = 700;
  table.money.winsInRow = 2;
  table.money.lossesInRow = 0;
  table.money.betUnits = 4;
  table.money.bet = 40;
  table.money.resultHistory.fill(10);
  table.money.bankroll = 900;
  table.engine.shoe.drawPosition = 100;
}

TEST(ResetVariablesTest, EachLevelResetsLessThanTheOneBelow) {
  struct Case {
    int level;
    bool shoeAndUnits, bet, counters;
  };
  for (const Case& c : {Case{0, true, true, true}, Case{1, true, true, false},
                        Case{2, true, true, false}, Case{3, true, false, false},
                        Case{4, false, false, false}}) {
    Simulator table;
    table.ApplySettings(TableSettings(1));
    Dirty(table);
    table.ResetVariables(c.level);
    EXPECT_EQ(table.money.winsInRow, 0) << c.level;  // every level
    EXPECT_EQ(table.engine.shoe.drawPosition == 0, c.shoeAndUnits) << c.level;
    EXPECT_EQ(table.money.betUnits == 1, c.shoeAndUnits) << c.level;
    EXPECT_EQ(table.money.resultHistory[0] == 0, c.shoeAndUnits) << c.level;
    EXPECT_EQ(table.money.bet == 10, c.bet) << c.level;
    EXPECT_EQ(table.run.handsPlayed == 0, c.counters) << c.level;
    EXPECT_EQ(table.money.totalBet == 0, c.counters) << c.level;
    EXPECT_EQ(table.money.bankroll == 1000, c.counters) << c.level;
  }
}

TEST(ApplySettingsTest, OutOfRangeTableValuesNeverReachTheArrays) {
  AppliedSettings settings = TableSettings(1);
  settings.rules.players = 12;
  settings.rules.decks = 10;
  Simulator table;
  table.ApplySettings(settings);
  EXPECT_EQ(table.engine.Rules().players, 7);
  EXPECT_EQ(table.engine.Rules().decks, 2);
  EXPECT_EQ(table.engine.shoe.cutPoint, 78);  // 2 decks at 75 %
  for (int round = 0; round < 200; ++round) table.DealCards();
}

TEST(ApplySettingsTest, LoadsTheChartForTheRules) {
  AppliedSettings settings = TableSettings(1);
  settings.rules.lateSurrender = true;
  Simulator table;
  table.ApplySettings(settings);
  ASSERT_TRUE(table.engine.chart.Loaded());
  EXPECT_EQ(table.engine.chart.At(19, 8), 'R');  // 6sdl: surrender 16 against a ten

  Simulator missing;
  missing.SetChartDirectory("no-such-directory");
  missing.ApplySettings(settings);
  EXPECT_FALSE(missing.engine.chart.Loaded());
}

TEST(ManualSessionEndTest, ALossLimitShowsTheDialogAndBlocksTheSession) {
  DialogDisplay display;
  Simulator table(&display);
  AppliedSettings settings = TableSettings(1);
  settings.money.modes.lossLimitMode = 1;
  settings.money.lossLimit = 0;  // any round that ends at or below the start stops
  table.ApplySettings(settings);
  table.Seed(3);
  while (!table.money.sessionBlocked && table.run.handsPlayed < 1000) table.DealCards();
  ASSERT_TRUE(table.money.sessionBlocked);
  EXPECT_EQ(display.dialogs, (std::vector<std::string>{"You have reached a Loss Limit."}));
  EXPECT_EQ(table.run.sessionLastHand, table.run.handsPlayed);

  table.ApplySettings(settings);  // a new session set-up unblocks
  EXPECT_FALSE(table.money.sessionBlocked);
}

TEST(ManualSessionEndTest, DuringATestNoDialogIsShownAndARefusedTestEndsWithTheNextRound) {
  DialogDisplay display;
  Simulator table(&display);
  AppliedSettings settings = TableSettings(1);
  settings.money.modes.lossLimitMode = 1;
  table.ApplySettings(settings);
  table.run.testRunning = 1;
  for (int round = 0; round < 200; ++round) table.DealCards();
  EXPECT_TRUE(display.dialogs.empty());
  EXPECT_FALSE(table.money.sessionBlocked);
  EXPECT_GT(table.run.sessionLastHand, 0);
  table.run.testRunning = -1;
  table.DealCards();
  EXPECT_EQ(table.run.testRunning, 0);
}

}  // namespace
}  // namespace quorvel
