// The percent unit, the table-limit clamp and the stakes counted into the total bet.
#include <gtest/gtest.h>

#include "money/bet_sizing.h"
#include "money/session_money.h"

namespace quorvel {
namespace {

TEST(CheckPercentTest, RoundsToWholeDollarsWithHalfGoingDown) {
  struct Case {
    double bankroll;
    float fraction;
    float unit;
  };
  for (const Case& c : {Case{1000, 0.0025f, 2},   // 2.5 rounds down
                        Case{1003, 0.0025f, 3},   // 2.5075
                        Case{1049, 0.01f, 10}, Case{1051, 0.01f, 11},
                        Case{0, 0.01f, 1}, Case{-500, 0.01f, 1}, Case{40, 0.01f, 1}}) {
    MoneyState money;
    money.bankroll = c.bankroll;
    money.unitFraction = c.fraction;
    CheckPercent(money);
    EXPECT_EQ(money.unitDollars, c.unit) << c.bankroll << " at " << c.fraction;
  }
}

TEST(CheckLimitsTest, ClampsMaximumFirstAndKeepsTheSign) {
  struct Case {
    int32_t minimum, maximum;
    float bet, clamped;
  };
  for (const Case& c : {Case{0, 200, 300, 200}, Case{25, 200, 10, 25}, Case{25, 200, 50, 50},
                        Case{300, 200, 500, 200}, Case{300, 200, 100, 300},
                        Case{25, 200, -10, -25}, Case{25, 200, -300, -200}, Case{0, 200, 0, 0}}) {
    MoneyState money;
    money.tableMinimum = c.minimum;
    money.tableMaximum = c.maximum;
    EXPECT_EQ(CheckLimits(money, c.bet), c.clamped) << c.bet;
  }
}

TEST(CheckLimitsTest, InactiveLimitsLeaveTheBet) {
  MoneyState money;
  money.tableMinimum = 25;
  money.limitsActive = false;
  EXPECT_EQ(CheckLimits(money, 5), 5);
}

TEST(GetTotalBetTest, CountsAtLeastOneStakePerHandInPlayAndTwoADoubledOne) {
  struct Case {
    std::array<float, 4> results;
    std::array<bool, 4> inPlay;
    double stakes;
    std::array<bool, 4> doubled{};
  };
  for (const Case& c : {Case{{1.5f, 0, 0, 0}, {true, false, false, false}, 1},   // blackjack
                        Case{{0, 0, 0, 0}, {true, false, false, false}, 1},      // push
                        Case{{-2, 0, 0, 0}, {true, false, false, false}, 2, {true}},  // doubled
                        Case{{0, 0, 0, 0}, {true, false, false, false}, 2, {true}},   // doubled push
                        Case{{-0.5f, 0, 0, 0}, {true, false, false, false}, 1},  // surrender
                        Case{{1, -1, 0, 0}, {true, true, false, false}, 2},      // split
                        Case{{2, 0, -2, 0}, {true, true, true, true}, 7, {true, true, true}}}) {
    MoneyState money;
    money.bet = 10;
    money.totalBet = 100;
    money.stakesPlayed = 7;
    AddStakes(money, RoundStakes(c.results, c.inPlay, c.doubled));
    EXPECT_EQ(money.totalBet, 100 + 10 * c.stakes);
    EXPECT_EQ(money.stakesPlayed, 7 + c.stakes);
  }
}

TEST(SessionMoneyTest, BankrollInUnitsAndLimitsAreInDollars) {
  MoneyState money;
  MoneySettings settings;
  settings.bankroll = 100;
  settings.bankrollInUnits = true;
  settings.unitDollars = 5;
  settings.modes = {1, 1};
  settings.winLimit = 200;
  settings.lossLimit = 150;
  SetUpSessionMoney(money, settings);
  EXPECT_EQ(money.bankroll, 500);
  EXPECT_EQ(money.startingBankroll, 500);
  EXPECT_EQ(money.winTarget, 700);
  EXPECT_EQ(money.lossFloor, 350);
  EXPECT_EQ(money.bet, 5);
}

TEST(SessionMoneyTest, FirstStakeIsClampedEvenAfterASetBetRule) {
  MoneyState money;
  money.tableMinimum = 25;
  money.limitsActive = false;  // left so by a "set bet to" rule
  MoneySettings settings;
  settings.bankroll = 1000;
  settings.unitDollars = 10;
  SetUpSessionMoney(money, settings);
  EXPECT_EQ(money.bet, 25);
}

TEST(SessionMoneyTest, PercentUnitFollowsTheBankroll) {
  MoneyState money;
  MoneySettings settings;
  settings.bankroll = 1051;
  settings.betUnitInPercent = true;
  settings.unitPercent = 1;
  SetUpSessionMoney(money, settings);
  EXPECT_EQ(money.unitDollars, 11);
  EXPECT_EQ(money.bet, 11);
}

TEST(SessionMoneyTest, PercentOfZeroKeepsTheDollarUnit) {
  MoneyState money;  // unit 10 dollars at start
  MoneySettings settings;
  settings.bankroll = 1000;
  settings.betUnitInPercent = true;
  settings.unitPercent = 0;
  SetUpSessionMoney(money, settings);
  EXPECT_EQ(money.unitFraction, 0);
  EXPECT_EQ(money.unitDollars, 10);
}

}  // namespace
}  // namespace quorvel
