// Hand totals and the chart lookups that turn a hand into a decision.
#include "engine/table_engine.h"

namespace quorvel {
namespace {

constexpr int kPairRowBase = 59;  // row = 59 - ConvertTens(rank)
constexpr int kSoftRowBase = 19;  // row = 19 - n
constexpr int kHardRowBase = 35;  // row = 35 - total

}  // namespace

int TableEngine::UpColumn() const { return ConvertTens(hands[kDealerStart]) - '2'; }

int32_t TableEngine::AddTotal(int start) {
  const SlotCount& slot = slots_[kHandPositions.slot[start]];
  int32_t total = slot.sum;
  int aces = slot.aces;
  while (total > 21 && aces > 0) {
    total -= 10;
    --aces;
  }
  softAces = static_cast<int8_t>(aces);
  return total;
}

int8_t TableEngine::AddNonAces(int handStart) const {
  // The total with every ace as 1, less one: one ace as 0, the others as 1.
  const SlotCount& slot = slots_[kHandPositions.slot[handStart]];
  return static_cast<int8_t>(slot.sum - 10 * slot.aces - 1);
}

char TableEngine::HardTotal(int handStart) {
  const int total = AddTotal(handStart);
  if (total > 21) return 'X';
  if (total > 17) return 'S';
  if (total < 8) return 'H';
  return chart.At(kHardRowBase - total, UpColumn());
}

char TableEngine::Pairs(int handStart) const {
  return chart.At(kPairRowBase - ConvertTens(hands[handStart]), UpColumn());
}

char TableEngine::SoftTotal(int handStart, int n, int nextPosition) {
  const char code = chart.At(kSoftRowBase - n, UpColumn());
  if (code != 'H') return code;
  // A hand holds nine cards at most: the ninth ends it.
  if (nextPosition - handStart >= kMaxHandCards) return 'S';
  DrawCard(nextPosition);
  ++currentPosition;
  n = AddNonAces(handStart);
  if (n <= 9) {
    actionCode = SoftTotal(handStart, n, nextPosition + 1);
    return actionCode;
  }
  return HardTotal(handStart);
}

char TableEngine::ChooseAction(int handStart) {
  if (hands[handStart] == hands[handStart + 1]) {
    actionCode = Pairs(handStart);
    if (actionCode == 'Y') return 'Y';
  }
  const SlotCount& slot = slots_[kHandPositions.slot[handStart]];
  const int nextPosition = handStart + slot.cards;
  const bool hasAce = slot.aces > 0;
  const int n = hasAce ? AddNonAces(handStart) : 0;
  char decision;
  if (n > 10 || n == 0) {
    decision = HardTotal(handStart);
  } else if (AddTotal(handStart) == 21) {
    decision = 'B';
  } else {
    decision = SoftTotal(handStart, n, nextPosition);
  }
  actionCode = decision;
  return decision;
}

}  // namespace quorvel
