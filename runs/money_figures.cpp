// The main screen's money figures, computed in 64 bits and stored as 32-bit floats.
#include "runs/money_figures.h"

namespace quorvel {

float ResultPerHand(double bankroll, double startingBankroll, double handsPlayed) {
  if (handsPlayed == 0) return 0.0F;
  return static_cast<float>((bankroll - startingBankroll) / handsPlayed);
}

std::optional<float> WinningsPerDollarBet(double bankroll, double startingBankroll,
                                          double totalBet) {
  if (totalBet == 0) return std::nullopt;
  return static_cast<float>((bankroll - startingBankroll) / totalBet);
}

}  // namespace quorvel
