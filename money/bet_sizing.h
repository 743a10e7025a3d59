// The unit, the stake and the table-limit clamp.
#pragma once

#include <array>

#include "money/money_state.h"

namespace quorvel {

// Sets the unit from the settings: a dollar unit sets unitDollars and bet; a
// percent unit sets only unitFraction (CheckPercent turns it into dollars).
// A percent that reads as 0 leaves the unit as it was.
void GetUnit(MoneyState& money, bool betUnitInPercent, float unitDollars, double percent);

// A percent unit in whole dollars, at least 1; a remainder of exactly .5 rounds down.
void CheckPercent(MoneyState& money);

// The table-limit clamp; the maximum is tested first, a negative stake keeps its sign.
float CheckLimits(const MoneyState& money, float bet);

// The stakes each of the user's hands put at risk in the round just played:
// at least one per hand in play, two for a doubled hand (a push too), 0 for an
// empty slot.
std::array<float, 4> RoundStakes(const std::array<float, 4>& handResults,
                                 const std::array<bool, 4>& slotsInPlay,
                                 const std::array<bool, 4>& slotsDoubled);

// Adds the round's stakes at the current bet to the total bet, hand by hand,
// and counts them in stakesPlayed.
void AddStakes(MoneyState& money, const std::array<float, 4>& stakes);

}  // namespace quorvel
