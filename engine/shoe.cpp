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

namespace {

// The generator's steps over a whole pass, one per swap index, for each deck count.
struct PassJumps {
  std::array<GeneratorJump, kMaxDecks + 1> byDecks{};
  constexpr PassJumps() {
    for (int decks = 1; decks <= kMaxDecks; ++decks) byDecks[decks] = GeneratorJump(decks * kDeckSize - 1);
  }
};
constexpr PassJumps kPassJumps;

}  // namespace

void Shoe::ShuffleScalar() {
  // The swap index is 1 + (r mod i), from 1 to i; entry 0 moves only at the
  // last step, which always swaps entries 0 and 1.
  //
  // The generator's numbers are taken four at a time from four interleaved
  // streams (every fourth state of the one sequence), so no multiplication
  // waits for the last: the same numbers, with the loop's upkeep shared.
  // The streams hold twice the state, mod 2^64: that follows the same
  // recurrence with increment 2, and its top 31 bits are the generator's
  // output, which one shift then reads. The lost top bit of the state is
  // never read, and the state after the pass comes from one jump.
  constexpr LaneSteps<4> kFour;
  CardName* const fromOne = cards.data() + 1;  // the swap index counts from 1
  auto swapStep = [this, fromOne](int i, uint64_t twice) {
    std::swap(cards[i], fromOne[SwapModulo(static_cast<uint32_t>(twice >> 33), static_cast<uint32_t>(i))]);
  };
  uint64_t states[4];
  FirstStates(random_.State(), states, 4);
  for (uint64_t& state : states) state *= 2;
  int i = ShuffledSize() - 1;
  for (; i >= 4; i -= 4) {
    swapStep(i, states[0]);
    swapStep(i - 1, states[1]);
    swapStep(i - 2, states[2]);
    swapStep(i - 3, states[3]);
    for (uint64_t& state : states) state = state * kFour.multiplier + 2 * kFour.increment;
  }
  // states[0] is the next state of the sequence.
  for (uint64_t twice = states[0]; i >= 1; --i) {
    swapStep(i, twice);
    twice = twice * ShuffleRandom::kMultiplier + 2;
  }
  std::swap(cards[0], cards[1]);
  random_.SetState(kPassJumps.byDecks[static_cast<unsigned>(decks_)].Next(random_.State()));
}

void Shoe::ShuffleThreeTimes() {
  Shuffle();
  Shuffle();
  Shuffle();
  drawPosition = 0;
}

}  // namespace quorvel
