// The shoe's deck layout and its swap shuffle.
#include "engine/shoe.h"

#include <utility>

#include "engine/swap_modulo.h"

namespace quorvel {

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
  if (variant_ == ShuffleVariant::kScalar) {
    ShuffleScalar();
  } else {
    ShuffleFromIndices();
  }
}

void Shoe::ShuffleFromIndices() {
  // The indices do not depend on the cards, so they are computed first, many
  // at a time; the swaps, which depend on each other, follow.
  const int top = ShuffledSize() - 1;
  uint16_t indices[kShoeSize];
  const auto fill = variant_ == ShuffleVariant::kAvx512 ? FillSwapIndicesAvx512 : FillSwapIndicesAvx2;
  random_.SetState(fill(random_.State(), top, indices));
  // Four swaps a turn, so the loop's own counting is shared: what is left per
  // swap is the index load and the swap's two loads and two stores.
  CardName* const deck = cards.data();
  auto swapStep = [deck, top, &indices](int t) { std::swap(deck[top - t], deck[indices[t]]); };
  int t = 0;
  for (; t + 4 <= top; t += 4) {
    swapStep(t);
    swapStep(t + 1);
    swapStep(t + 2);
    swapStep(t + 3);
  }
  for (; t < top; ++t) swapStep(t);
  std::swap(cards[0], cards[1]);
}

void Shoe::ShuffleScalar() {
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
    const uint32_t j = 1 + SwapModulo(ShuffleRandom::Output(even), static_cast<uint32_t>(i));
    std::swap(cards[i], cards[j]);
    const uint32_t k = 1 + SwapModulo(ShuffleRandom::Output(odd), static_cast<uint32_t>(i - 1));
    std::swap(cards[i - 1], cards[k]);
    last = odd;
    even = even * ShuffleRandom::kMultiplier2 + ShuffleRandom::kIncrement2;
    odd = odd * ShuffleRandom::kMultiplier2 + ShuffleRandom::kIncrement2;
  }
  if (i == 1) {
    std::swap(cards[1], cards[1 + SwapModulo(ShuffleRandom::Output(even), 1)]);
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
