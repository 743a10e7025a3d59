// The win and loss limits tested after every settlement.
#include "money/limits.h"

namespace quorvel {

bool GetLimits(MoneyState& money, const LimitModes& modes, float roundResult,
               SessionEndSink& sessionEnd) {
  if (modes.winLimitMode == 1) {
    if (money.bankroll < money.winTarget) return false;
    sessionEnd.EndSession(kWinLimitMessage);
    return true;
  }
  if (money.stopAtNextLoss) {
    if (roundResult >= 0) return false;
    money.stopAtNextLoss = false;
    sessionEnd.EndSession(kWinLimitMessage);
    return true;
  }
  // Mode 2 arms at the target and stops at the first losing round after it.
  if (modes.winLimitMode == 2 && money.bankroll >= money.winTarget) money.stopAtNextLoss = true;
  return false;
}

bool CheckLossLimit(const MoneyState& money, const LimitModes& modes, SessionEndSink& sessionEnd) {
  if (modes.lossLimitMode != 1 || money.bankroll > money.lossFloor) return false;
  sessionEnd.EndSession(kLossLimitMessage);
  return true;
}

}  // namespace quorvel
