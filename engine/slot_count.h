// A hand slot's running count in one word, so that placing a card is one addition.
#pragma once

#include <array>
#include <cstdint>

#include "engine/cards.h"

namespace quorvel {

// Low byte: the card values of the slot's first nine positions, aces as 11;
// next byte: the aces among them; third byte: the cards in the slot. No field
// carries into the next, since nine cards count 99 at most.
struct SlotCount {
  static constexpr uint32_t kAllFields = 0xFFFFFF;
  static constexpr uint32_t kCardsField = 0xFF0000;  // a card past the ninth position
  uint32_t packed = 0;

  int Sum() const { return static_cast<int>(packed & 0xFF); }
  int Aces() const { return static_cast<int>(packed >> 8 & 0xFF); }
  int Cards() const { return static_cast<int>(packed >> 16); }
};

// What a character adds to a count: every nonzero one is a card, and ranks
// add their value.
struct CardCounts {
  std::array<uint32_t, 256> add{};
  constexpr CardCounts() {
    for (int c = 1; c < 256; ++c) {
      const auto value = static_cast<uint32_t>(kCardValues.value[c]);
      add[c] = value | static_cast<uint32_t>(c == 'A') << 8 | 1u << 16;
    }
  }
};
inline constexpr CardCounts kCardCounts;

// The total with aces as 11 until the hand would bust, and the aces still at 11.
struct HandTotal {
  int total;
  int softAces;
};

inline HandTotal BestTotal(SlotCount count) {
  int total = count.Sum();
  int aces = count.Aces();
  while (total > 21 && aces > 0) {
    total -= 10;
    --aces;
  }
  return {total, aces};
}

}  // namespace quorvel
