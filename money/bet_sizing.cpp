// The unit, the stake and the table-limit clamp.
#include "money/bet_sizing.h"

#include <cmath>

namespace quorvel {

void GetUnit(MoneyState& money, bool betUnitInPercent, float unitDollars, double percent) {
  if (betUnitInPercent) {
    money.unitFraction = static_cast<float>(percent * 0.01);
  } else {
    money.unitDollars = unitDollars;
    money.bet = unitDollars;
  }
}

void CheckPercent(MoneyState& money) {
  const float x = static_cast<float>(money.bankroll * money.unitFraction);
  float n = std::trunc(x);
  if (x - n > 0.5f) n += 1;
  if (n < 1) n = 1;
  money.unitDollars = n;
}

float CheckLimits(const MoneyState& money, float bet) {
  if (!money.limitsActive) return bet;
  const float magnitude = std::fabs(bet);
  float clamped = magnitude;
  if (magnitude > static_cast<float>(money.tableMaximum)) {
    clamped = static_cast<float>(money.tableMaximum);
  } else if (magnitude < static_cast<float>(money.tableMinimum)) {
    clamped = static_cast<float>(money.tableMinimum);
  }
  return bet < 0 ? -clamped : clamped;
}

void GetTotalBet(MoneyState& money, const std::array<float, 4>& handResults,
                 const std::array<bool, 4>& slotsInPlay) {
  for (int i = 0; i < 4; ++i) {
    if (!slotsInPlay[i] && handResults[i] == 0) continue;  // adds nothing
    float stakes = std::trunc(std::fabs(handResults[i]));
    if (stakes == 0 && slotsInPlay[i]) stakes = 1;
    money.totalBet += static_cast<double>(stakes * money.bet);
  }
}

}  // namespace quorvel
