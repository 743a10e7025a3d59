// The shoe's deck layout and its swap shuffle.
#include "engine/shoe.h"

#include <utility>

namespace quorvel {
namespace {

__extension__ typedef unsigned __int128 Uint128;

// r mod d for 32-bit r through a precomputed reciprocal (Lemire's fastmod):
// exact for every 32-bit r and d, and several times cheaper than a division,
// which matters because each reshuffle takes up to 1248 of them.
struct FastModTable {
  std::array<uint64_t, kShoeSize> reciprocal{};
  constexpr FastModTable() {
    for (int d = 1; d < kShoeSize; ++d) reciprocal[d] = ~uint64_t{0} / static_cast<uint64_t>(d) + 1;
  }
};
constexpr FastModTable kFastMod;

inline uint32_t FastMod(uint32_t r, uint64_t d) {
  const uint64_t low = kFastMod.reciprocal[d] * r;
  return static_cast<uint32_t>((static_cast<Uint128>(low) * d) >> 64);
}

}  // namespace

Shoe::Shoe() { ResetDeck(); }

void Shoe::SetDecks(int decks) {
  decks_ = (decks < 2 || decks > kMaxDecks) ? 2 : decks;
  shuffledSize_ = decks_ * kDeckSize;
}

void Shoe::SetCutPoint(int penetration) { cutPoint = decks_ * penetration * kDeckSize / 100; }

void Shoe::ResetDeck() {
  for (int i = 0; i < kShoeSize; ++i) cards[i] = OrderedDeckCard(i % kDeckSize);
}

void Shoe::Shuffle() {
  // The swap index is 1 + (r mod i), from 1 to i; entry 0 moves only at the
  // last step, which always swaps entries 0 and 1.
  //
  // The generator's numbers are taken in pairs from two interleaved streams
  // (every other state of the one sequence), so the next multiplication need
  // not wait for the last: the same numbers, about twice as fast.
  uint64_t even = random_.State() * ShuffleRandom::kMultiplier + 1;
  uint64_t odd = even * ShuffleRandom::kMultiplier + 1;
  uint64_t last = random_.State();
  int i = ShuffledSize() - 1;
  for (; i >= 2; i -= 2) {
    const uint32_t j = 1 + FastMod(ShuffleRandom::Output(even), static_cast<uint64_t>(i));
    std::swap(cards[i], cards[j]);
    const uint32_t k = 1 + FastMod(ShuffleRandom::Output(odd), static_cast<uint64_t>(i - 1));
    std::swap(cards[i - 1], cards[k]);
    last = odd;
    even = even * ShuffleRandom::kMultiplier2 + ShuffleRandom::kIncrement2;
    odd = odd * ShuffleRandom::kMultiplier2 + ShuffleRandom::kIncrement2;
  }
  if (i == 1) {
    std::swap(cards[1], cards[1 + FastMod(ShuffleRandom::Output(even), 1)]);
    last = even;
  }
  std::swap(cards[0], cards[1]);
  random_.SetState(last);
}

void Shoe::ShuffleThreeTimes() {
  Shuffle();
  Shuffle();
  Shuffle();
  drawPosition = 0;
}

}  // namespace quorvel
