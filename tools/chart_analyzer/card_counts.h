// Card ranks by value, shoe contents as counts per rank, and hands as rank multisets.
#pragma once

#include <array>
#include <cstdint>

namespace quorvel::analyzer {

// Rank index 0 is the ace, 1..8 the two to the nine, 9 every ten-value card.
inline constexpr int kRankCount = 10;
inline constexpr int kAce = 0;
inline constexpr int kTen = 9;

using RankCounts = std::array<int, kRankCount>;

constexpr int RankValue(int rank) { return rank + 1; }

// The rank index of a card of the given value (1 for an ace, 10 for a ten).
constexpr int RankOfValue(int value) { return value - 1; }

constexpr RankCounts FullShoe(int decks) {
  RankCounts counts{};
  for (int rank = 0; rank < kRankCount; ++rank) counts[rank] = 4 * decks;
  counts[kTen] = 16 * decks;
  return counts;
}

constexpr int CardTotal(const RankCounts& counts) {
  int total = 0;
  for (int count : counts) total += count;
  return total;
}

// A multiset of ranks keyed in five bits per rank, so hands and removed cards
// can be looked up; no hand or removal holds 32 cards of one rank.
inline constexpr int kKeyBits = 5;
constexpr std::uint64_t RankKey(int rank) { return std::uint64_t{1} << (kKeyBits * rank); }

// A player hand: its cards by rank and what they total.
struct Hand {
  RankCounts counts{};
  std::uint64_t key = 0;
  int hard = 0;  // every ace counted as one
  int cards = 0;

  bool HasAce() const { return counts[kAce] > 0; }
  bool Soft() const { return HasAce() && hard + 10 <= 21; }
  int Total() const { return Soft() ? hard + 10 : hard; }

  Hand With(int rank) const {
    Hand next = *this;
    ++next.counts[rank];
    next.key += RankKey(rank);
    next.hard += RankValue(rank);
    ++next.cards;
    return next;
  }
};

inline Hand HandOf(int first, int second) { return Hand{}.With(first).With(second); }

}  // namespace quorvel::analyzer
