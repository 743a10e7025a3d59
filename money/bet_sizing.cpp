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

std::array<float, 4> RoundStakes(const std::array<float, 4>& handResults,
                                 const std::array<bool, 4>& slotsInPlay,
                                 const std::array<bool, 4>& slotsDoubled) {
  std::array<float, 4> stakes{};
  for (int i = 0; i < 4; ++i) {
    if (!slotsInPlay[i] && handResults[i] == 0) continue;
    stakes[i] = std::trunc(std::fabs(handResults[i]));
    if (stakes[i] == 0 && slotsInPlay[i]) stakes[i] = slotsDoubled[i] ? 2 : 1;
  }
  return stakes;
}

void AddStakes(MoneyState& money, const std::array<float, 4>& stakes) {
  // Hand by hand in float, as the total has always been kept; an empty slot adds nothing.
  for (float stake : stakes) {
    if (stake != 0) money.totalBet += static_cast<double>(stake * money.bet);
  }
  money.stakesPlayed += stakes[0] + stakes[1] + stakes[2] + stakes[3];
}

}  // namespace quorvel
