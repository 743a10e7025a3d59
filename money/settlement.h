// Settling a round: the bankroll, the total bet, the round's class, progressions, the next stake and the limits.
#pragma once

#include <array>
#include <cstdint>

#include "engine/display.h"
#include "money/money_state.h"
#include "money/progression_engine.h"
#include "money/session_end.h"

namespace quorvel {

struct SettlementContext {
  bool testRunning = false;
  LimitModes modes;
  ProgressionEngine* progression = nullptr;
  SessionEndSink* sessionEnd = nullptr;
  Display* display = nullptr;
};

// Settles the user's hands (results as multiples of the stake; `stakes` from
// RoundStakes) and sets them back to 0. Returns the round's class: +1 won,
// -1 lost, 0 neither.
int8_t AdjustWinnings(MoneyState& money, std::array<float, 4>& handResults,
                      const std::array<float, 4>& stakes, const SettlementContext& context);

}  // namespace quorvel
