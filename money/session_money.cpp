// The money of a new session, from the settings as numbers.
#include "money/session_money.h"

#include "money/bet_sizing.h"

namespace quorvel {

void SetUpSessionMoney(MoneyState& money, const MoneySettings& settings) {
  money.bankroll = settings.bankroll;
  money.unitFraction = 0;
  money.stopAtNextLoss = false;
  GetUnit(money, settings.betUnitInPercent, static_cast<float>(settings.unitDollars),
          settings.unitPercent);
  // A bankroll in units is counted in the dollar unit just set.
  if (settings.bankrollInUnits) money.bankroll *= money.bet;
  money.startingBankroll = money.bankroll;
  if (settings.modes.winLimitMode != 0) money.winTarget = money.startingBankroll + settings.winLimit;
  if (settings.modes.lossLimitMode == 1) money.lossFloor = money.startingBankroll - settings.lossLimit;
  money.sessionBlocked = false;
  if (money.unitFraction != 0) CheckPercent(money);
  // A "set bet to" rule of the last settlement must not leave the first
  // stake of a new session unclamped.
  money.limitsActive = true;
  money.bet = CheckLimits(money, money.betUnits * money.unitDollars);
}

}  // namespace quorvel
