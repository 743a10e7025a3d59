// The money of a run: bankroll, unit, stake, table limits, win/loss limits and counters.
#pragma once

#include <array>
#include <cstdint>

namespace quorvel {

// Field widths are deliberate: the float fields must round like 32-bit floats.
struct MoneyState {
  double bankroll = 0;
  double startingBankroll = 0;
  float unitDollars = 10;
  float unitFraction = 0;  // percent / 100; 0 means a dollar unit
  float betUnits = 1;
  float bet = 10;
  bool limitsActive = true;
  int32_t tableMinimum = 0;
  int32_t tableMaximum = 200;
  double winTarget = 0;
  double lossFloor = 0;
  bool stopAtNextLoss = false;
  int32_t handsWon = 0;
  int32_t handsLost = 0;
  int32_t winsInRow = 0;
  int32_t lossesInRow = 0;
  // Newest first: 10 for a win, 1 for a loss, 0 for an empty entry.
  std::array<int8_t, 20> resultHistory{};
  double totalBet = 0;
  // Whole stakes put at risk since totalBet was last cleared, whatever their size.
  double stakesPlayed = 0;
  bool sessionBlocked = false;
};

// The win and loss limit modes of the settings, as money management reads them.
struct LimitModes {
  int8_t winLimitMode = 0;   // 0 none, 1 stop at limit, 2 stop at first loss after limit
  int8_t lossLimitMode = 0;  // 0 none, 1 stop at limit
};

}  // namespace quorvel
