// A separate, infinite-deck reckoning of dealer outcomes and stand values to check the analyzer by.
#pragma once

#include <array>

namespace quorvel::testing {

// Chance of a card of value v (1 = ace .. 10 = any ten) from an infinite deck.
inline double InfiniteChance(int value) { return value == 10 ? 4.0 / 13.0 : 1.0 / 13.0; }

inline void InfiniteDraw(int hard, bool ace, double chance, bool hitsSoft17,
                         std::array<double, 6>& finals) {
  const bool soft = ace && hard + 10 <= 21;
  const int total = soft ? hard + 10 : hard;
  if (total > 21) {
    finals[5] += chance;
  } else if (total > 17 || (total == 17 && !(soft && hitsSoft17))) {
    finals[total - 17] += chance;
  } else {
    for (int value = 1; value <= 10; ++value) {
      InfiniteDraw(hard + value, ace || value == 1, chance * InfiniteChance(value), hitsSoft17,
                   finals);
    }
  }
}

// Final 17, 18, 19, 20, 21, bust for an up card value, given no dealer blackjack.
inline std::array<double, 6> InfiniteDealer(int upValue, bool hitsSoft17) {
  std::array<double, 6> finals{};
  for (int hole = 1; hole <= 10; ++hole) {
    if (upValue + hole == 11 && (upValue == 1 || hole == 1)) continue;  // blackjack
    InfiniteDraw(upValue + hole, upValue == 1 || hole == 1, InfiniteChance(hole), hitsSoft17,
                 finals);
  }
  double sum = 0.0;
  for (double f : finals) sum += f;
  for (double& f : finals) f /= sum;
  return finals;
}

// Standing on `total` (4..21): win when the dealer busts or ends lower.
inline double InfiniteStand(int total, int upValue, bool hitsSoft17) {
  const std::array<double, 6> finals = InfiniteDealer(upValue, hitsSoft17);
  double value = finals[5];
  for (int final = 17; final <= 21; ++final) {
    if (final < total) value += finals[final - 17];
    if (final > total) value -= finals[final - 17];
  }
  return value;
}

}  // namespace quorvel::testing
