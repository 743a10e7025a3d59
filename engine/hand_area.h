// Where the cards of a round lie: four 10-card slots per seat, then the dealer.
#pragma once

#include <array>
#include <cstdint>

namespace quorvel {

inline constexpr int kSeatSpan = 40;       // positions per seat
inline constexpr int kSlotSpan = 10;       // positions per hand slot
inline constexpr int kDealerStart = 280;   // up card; 281 is the hole card
inline constexpr int kHandAreaSize = 290;
inline constexpr int kMaxHandCards = 9;    // the tenth character closes the hand
inline constexpr int kUserHands = 4;

// One rank character per card; zero where there is no card.
using HandArea = std::array<char, kHandAreaSize>;

// The slot of every position and whether it counts toward the slot's total,
// looked up so that placing a card needs no division.
struct HandPositions {
  std::array<uint8_t, kHandAreaSize> slot{};
  std::array<bool, kHandAreaSize> counted{};
  constexpr HandPositions() {
    for (int p = 0; p < kHandAreaSize; ++p) {
      slot[p] = static_cast<uint8_t>(p / kSlotSpan);
      counted[p] = p % kSlotSpan < kMaxHandCards;
    }
  }
};
inline constexpr HandPositions kHandPositions;

}  // namespace quorvel
