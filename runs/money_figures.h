// The money figures of the main screen: result per hand and winnings per dollar bet.
#pragma once

#include <optional>

namespace quorvel {

// (bankroll - startingBankroll) / handsPlayed, kept as a 32-bit float; 0 before any hand.
float ResultPerHand(double bankroll, double startingBankroll, double handsPlayed);

// (bankroll - startingBankroll) / totalBet as a 32-bit float; none while nothing has been bet,
// in which case the screen keeps the figure it showed before.
std::optional<float> WinningsPerDollarBet(double bankroll, double startingBankroll,
                                          double totalBet);

}  // namespace quorvel
