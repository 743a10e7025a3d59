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

TEST(SessionMoneyTest, StartsFromTheSettingsInDollarsWithAClampedFirstStake) {
  MoneySettings units;  // a bankroll in units and limits in dollars
  units.bankroll = 100;
  units.bankrollInUnits = true;
  units.unitDollars = 5;
  units.modes = {1, 1};
  units.winLimit = 200;
  units.lossLimit = 150;
  MoneySettings percent;
  percent.bankroll = 1051;
  percent.betUnitInPercent = true;
  percent.unitPercent = 1;
  MoneySettings noPercent = percent;  // a percent of 0 keeps the dollar unit
  noPercent.unitPercent = 0;
  MoneySettings dollars;
  dollars.bankroll = 1000;
  dollars.unitDollars = 10;
  struct Case {
    MoneySettings settings;
    int32_t tableMinimum;
    double bankroll, winTarget, lossFloor;
    float unitDollars, bet;
  };
  for (const Case& c : {Case{units, 0, 500, 700, 350, 5, 5}, Case{percent, 0, 1051, 0, 0, 11, 11},
                        Case{noPercent, 0, 1051, 0, 0, 10, 10},
                        // A "set bet to" rule of the last session left the limits off.
                        Case{dollars, 25, 1000, 0, 0, 10, 25}}) {
    MoneyState money;  // a unit of 10 dollars before
    money.tableMinimum = c.tableMinimum;
    money.limitsActive = false;
    SetUpSessionMoney(money, c.settings);
    EXPECT_EQ(money.bankroll, c.bankroll) << c.bankroll;
    EXPECT_EQ(money.startingBankroll, c.bankroll);
    EXPECT_EQ(money.winTarget, c.winTarget);
    EXPECT_EQ(money.lossFloor, c.lossFloor);
    EXPECT_EQ(money.unitDollars, c.unitDollars) << c.bankroll;
    EXPECT_EQ(money.bet, c.bet) << c.bankroll;
  }
}

}  // namespace
}  // namespace quorvel
