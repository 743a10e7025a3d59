// Settling a round, in the fixed order the money steps must run.
#include "money/settlement.h"

#include "money/bet_sizing.h"
#include "money/limits.h"
#include "money/show_caption.h"

namespace quorvel {

int8_t AdjustWinnings(MoneyState& money, std::array<float, 4>& handResults,
                      const std::array<float, 4>& stakes, const SettlementContext& context) {
  const float net = handResults[0] + handResults[1] + handResults[2] + handResults[3];
  money.bankroll += static_cast<double>(net) * money.bet;
  AddStakes(money, stakes);

  int8_t roundOutcome = 0;
  if (net >= 1.0f) roundOutcome = 1;
  if (net <= -1.0f) roundOutcome = -1;

  money.limitsActive = true;
  if (money.unitFraction != 0) CheckPercent(money);

  if (roundOutcome != 0) {
    const bool won = roundOutcome > 0;
    (won ? money.handsWon : money.handsLost) += 1;
    SlideWins(money, won);
    if (context.progression->Enabled()) {
      context.progression->CallWinLossAction(money, context.testRunning, *context.sessionEnd,
                                             *context.display);
    }
  }

  money.bet = CheckLimits(money, money.betUnits * money.unitDollars);
  // With a unit of 0 dollars the units cannot follow the clamp; keeping them
  // avoids a division by zero that would poison every later stake.
  if (money.unitDollars != 0) money.betUnits = money.bet / money.unitDollars;
  if (!context.testRunning) ShowCaption(*context.display, Label::Label1, money.bet);

  handResults.fill(0.0f);

  if (GetLimits(money, context.modes, net, *context.sessionEnd)) return roundOutcome;
  CheckLossLimit(money, context.modes, *context.sessionEnd);
  return roundOutcome;
}

}  // namespace quorvel
