// Applying one progression action to the stake, and the message that tells the user.
#pragma once

#include <string>

#include "money/money_state.h"
#include "money/progression_table.h"
#include "money/session_end.h"

namespace quorvel {

// Applies action to money.betUnits (END SESSION ends the session instead).
// Returns false only when the action does nothing.
bool WLChoices(MoneyState& money, BetAction action, float amount, bool testRunning,
               SessionEndSink& sessionEnd);

// Sets message to the action's message prefix followed by the amount, as in
// "Increased bet by 1.5". Returns false, with an empty message, when the action does nothing.
bool SeeWL(BetAction action, float amount, std::string& message);

}  // namespace quorvel
