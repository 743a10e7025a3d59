// The win and loss limits tested after every settlement.
#pragma once

#include "money/money_state.h"
#include "money/session_end.h"

namespace quorvel {

inline constexpr const char* kWinLimitMessage = "You have reached a Win Limit.";
inline constexpr const char* kLossLimitMessage = "You have reached a Loss Limit.";

// The win limit; true when it ended the session.
bool GetLimits(MoneyState& money, const LimitModes& modes, float roundResult,
               SessionEndSink& sessionEnd);

// The loss limit; true when it ended the session.
bool CheckLossLimit(const MoneyState& money, const LimitModes& modes, SessionEndSink& sessionEnd);

}  // namespace quorvel
