// Settling a round: bankroll, round class, next stake and the win and loss limits.
#include <gtest/gtest.h>

#include <cmath>

#include "money/limits.h"
#include "money/bet_sizing.h"
#include "money/settlement.h"
#include "progression_fakes.h"

namespace quorvel {
namespace {

using testing::RecordingDisplay;
using testing::RecordingSessionEnd;

struct Settle {
  MoneyState money;
  ProgressionEngine progression;
  RecordingSessionEnd sessionEnd;
  RecordingDisplay display;
  LimitModes modes;
  bool testRunning = false;

  Settle() {
    money.bankroll = money.startingBankroll = 1000;
    money.unitDollars = money.bet = 10;
  }
  int8_t Round(std::array<float, 4> results, std::array<bool, 4> inPlay = {true, false, false, false}) {
    const SettlementContext context{testRunning, modes, &progression, &sessionEnd, &display};
    const int8_t outcome = AdjustWinnings(money, results, RoundStakes(results, inPlay, {}), context);
    EXPECT_EQ(results, (std::array<float, 4>{0, 0, 0, 0})) << "results are cleared for the next round";
    return outcome;
  }
};

TEST(SettlementTest, BankrollAndTotalBetMoveByTheResultsTimesTheStake) {
  struct Case {
    std::array<float, 4> results;
    std::array<bool, 4> inPlay;
    double bankroll;
    int8_t outcome;
    double totalBet;
  };
  for (const Case& c : {
           Case{{0, 0, 0, 0}, {true}, 1000, 0, 10},         // push
           Case{{1.5f, 0, 0, 0}, {true}, 1015, 1, 10},      // blackjack
           Case{{-2, 0, 0, 0}, {true}, 980, -1, 20},        // doubled loss
           Case{{-0.5f, 0, 0, 0}, {true}, 995, 0, 10},      // surrender
           Case{{1, -1, 0, 0}, {true, true}, 1000, 0, 20},  // split, one each
           Case{{1, 1, 0, 0}, {true, true}, 1020, 1, 20},   // split, both win
           Case{{-1, -2, 0, 0}, {true, true}, 970, -1, 30},
       }) {
    Settle settle;
    EXPECT_EQ(settle.Round(c.results, c.inPlay), c.outcome);
    EXPECT_EQ(settle.money.bankroll, c.bankroll);
    EXPECT_EQ(settle.money.totalBet, c.totalBet);
    EXPECT_EQ(settle.money.handsWon, c.outcome > 0 ? 1 : 0);
    EXPECT_EQ(settle.money.handsLost, c.outcome < 0 ? 1 : 0);
  }
}

TEST(SettlementTest, TheNextStakeFollowsTheClampAndTheUnitsFollowTheStake) {
  Settle settle;
  settle.money.betUnits = 30;
  settle.money.tableMaximum = 200;
  settle.Round({1, 0, 0, 0});
  EXPECT_EQ(settle.money.bet, 200);
  EXPECT_EQ(settle.money.betUnits, 20);
  EXPECT_EQ(settle.display.labels.back().first, Label::Label1);
  EXPECT_EQ(settle.display.labels.back().second, "200");
}

TEST(SettlementTest, AZeroDollarUnitNeverDividesByZero) {
  Settle settle;
  settle.money.unitDollars = 0;
  settle.money.betUnits = 3;
  settle.Round({1, 0, 0, 0});
  EXPECT_EQ(settle.money.betUnits, 3);
  EXPECT_TRUE(std::isfinite(settle.money.bet));
  EXPECT_TRUE(std::isfinite(settle.money.bankroll));
}

TEST(WinLimitTest, StopAtTheLimitEndsTheSessionOnceTheTargetIsReached) {
  Settle settle;
  settle.modes.winLimitMode = 1;
  settle.money.winTarget = 1010;
  settle.Round({0, 0, 0, 0});
  EXPECT_TRUE(settle.sessionEnd.messages.empty());
  settle.Round({1, 0, 0, 0});
  EXPECT_EQ(settle.sessionEnd.messages, (std::vector<std::string>{"You have reached a Win Limit."}));
}

TEST(WinLimitTest, StopAtFirstLossAfterTheLimit) {
  Settle settle;
  settle.modes.winLimitMode = 2;
  settle.money.winTarget = 1010;
  settle.Round({1, 0, 0, 0});  // reaches the target: armed
  EXPECT_TRUE(settle.money.stopAtNextLoss);
  settle.Round({0, 0, 0, 0});  // a push does not stop
  EXPECT_TRUE(settle.sessionEnd.messages.empty());
  settle.Round({-0.5f, 0, 0, 0});  // a surrender does
  EXPECT_EQ(settle.sessionEnd.messages.size(), 1u);
  EXPECT_FALSE(settle.money.stopAtNextLoss);
}

TEST(LossLimitTest, EndsTheSessionAtOrBelowTheFloorUnlessTheWinLimitEndedIt) {
  Settle settle;
  settle.modes.lossLimitMode = 1;
  settle.money.lossFloor = 990;
  settle.Round({-0.5f, 0, 0, 0});
  EXPECT_TRUE(settle.sessionEnd.messages.empty());
  settle.Round({-0.5f, 0, 0, 0});  // exactly the floor
  EXPECT_EQ(settle.sessionEnd.messages, (std::vector<std::string>{"You have reached a Loss Limit."}));

  Settle both;
  both.modes = {1, 1};
  both.money.winTarget = 0;  // a win limit of 0 below the bankroll
  both.money.lossFloor = 2000;
  both.Round({0, 0, 0, 0});
  EXPECT_EQ(both.sessionEnd.messages, (std::vector<std::string>{"You have reached a Win Limit."}));
}

TEST(SettlementTest, PercentUnitFollowsTheNewBankroll) {
  Settle settle;
  settle.money.unitFraction = 0.01f;
  settle.money.bankroll = 1041;
  settle.money.bet = 10;
  settle.Round({1, 0, 0, 0});  // 1051 dollars: the unit becomes 11
  EXPECT_EQ(settle.money.unitDollars, 11);
  EXPECT_EQ(settle.money.bet, 11);
}

}  // namespace
}  // namespace quorvel
