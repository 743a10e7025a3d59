// The shoe's deck layout and its swap shuffle.
#include "engine/shoe.h"

#include <utility>

#include "engine/swap_index_lanes.h"
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
  // The generator's numbers are taken four at a time from four interleaved
  // streams (every fourth state of the one sequence), so no multiplication
  // waits for the last: the same numbers, with the loop's upkeep shared.
  constexpr LaneSteps<4> kFour;
  CardName* const fromOne = cards.data() + 1;  // the swap index counts from 1
  auto swapStep = [this, fromOne](int i, uint64_t state) {
    std::swap(cards[i], fromOne[SwapModulo(ShuffleRandom::Output(state), static_cast<uint32_t>(i))]);
  };
  uint64_t states[4];
  FirstStates(random_.State(), states, 4);
  uint64_t last = random_.State();
  int i = ShuffledSize() - 1;
  for (; i >= 4; i -= 4) {
    swapStep(i, states[0]);
    swapStep(i - 1, states[1]);
    swapStep(i - 2, states[2]);
    swapStep(i - 3, states[3]);
    last = states[3];
    for (uint64_t& state : states) state = kFour.Next(state);
  }
  // states[0] is the next state of the sequence.
  for (uint64_t state = states[0]; i >= 1; --i) {
    swapStep(i, state);
    last = state;
    state = state * ShuffleRandom::kMultiplier + 1;
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
