// The table most run tests start from: 6 decks cut at 75 %, a $10 unit between limits of $5 and $500.
#pragma once

#include <cstdint>

#include "runs/simulator.h"

namespace quorvel::testing {

inline AppliedSettings TableSettings(int players, int32_t bankroll = 1000) {
  AppliedSettings settings;
  settings.rules.players = players;
  settings.rules.decks = 6;
  settings.rules.penetration = 75;
  settings.money.bankroll = bankroll;
  settings.money.unitDollars = 10;
  settings.tableMinimum = 5;
  settings.tableMaximum = 500;
  return settings;
}

}  // namespace quorvel::testing
