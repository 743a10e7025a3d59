// The money of a new session, from the settings as numbers.
#pragma once

#include <cstdint>

#include "money/money_state.h"

namespace quorvel {

// The money settings after their texts have been read as numbers.
struct MoneySettings {
  int32_t bankroll = 0;
  bool bankrollInUnits = false;
  bool betUnitInPercent = false;
  int32_t unitDollars = 0;
  double unitPercent = 0;
  LimitModes modes;
  int32_t winLimit = 0;
  int32_t lossLimit = 0;
};

// Sets up the bankroll, unit, limits and first stake of a session. Runs after
// the full reset, which has set betUnits to 1.
void SetUpSessionMoney(MoneyState& money, const MoneySettings& settings);

}  // namespace quorvel
