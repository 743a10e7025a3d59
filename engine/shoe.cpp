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

void Shoe::SetDecks(int decks) { decks_ = (decks < 2 || decks > kMaxDecks) ? 2 : decks; }

void Shoe::SetCutPoint(int penetration) { cutPoint = decks_ * penetration * kDeckSize / 100; }

void Shoe::ResetDeck() {
  for (int i = 0; i < kShoeSize; ++i) cards[i] = OrderedDeckCard(i % kDeckSize);
}

void Shoe::Shuffle() {
  // The swap index is 1 + (r mod i), from 1 to i; entry 0 moves only at the
  // last step, which always swaps entries 0 and 1.
  // A local copy of the generator keeps its state in a register: the card
  // stores could otherwise alias it.
  ShuffleRandom random = random_;
  for (int i = ShuffledSize() - 1; i > 0; --i) {
    const uint32_t j = 1 + FastMod(random.Next(), static_cast<uint64_t>(i));
    std::swap(cards[i], cards[j]);
  }
  std::swap(cards[0], cards[1]);
  random_ = random;
}

void Shoe::ShuffleThreeTimes() {
  Shuffle();
  Shuffle();
  Shuffle();
  drawPosition = 0;
}

}  // namespace quorvel
