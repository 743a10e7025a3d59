// Where the cards of a round lie: four 10-card slots per seat, then the dealer.
#pragma once

#include <array>

namespace quorvel {

inline constexpr int kSeatSpan = 40;       // positions per seat
inline constexpr int kSlotSpan = 10;       // positions per hand slot
inline constexpr int kDealerStart = 280;   // up card; 281 is the hole card
inline constexpr int kHandAreaSize = 290;
inline constexpr int kMaxHandCards = 9;    // the tenth character closes the hand
inline constexpr int kUserHands = 4;

// One rank character per card; zero where there is no card.
using HandArea = std::array<char, kHandAreaSize>;

}  // namespace quorvel
