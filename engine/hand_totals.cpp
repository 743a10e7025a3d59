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
  const HandTotal best = BestTotal(slots_[kHandPositions.slot[start]]);
  softAces = static_cast<int8_t>(best.softAces);
  return best.total;
}

int8_t TableEngine::AddNonAces(int handStart) const {
  // The total with every ace as 1, less one: one ace as 0, the others as 1.
  const SlotCount slot = slots_[kHandPositions.slot[handStart]];
  return static_cast<int8_t>(slot.Sum() - 10 * slot.Aces() - 1);
}

char TableEngine::Pairs(int handStart) const {
  return chart.At(kPairRowBase - ConvertTens(hands[handStart]), UpColumn());
}

char TableEngine::ChooseAction(int handStart, int& lastPosition) {
  const int column = UpColumn();
  return Decide(slots_[kHandPositions.slot[handStart]], handStart, lastPosition, column,
                SplitsPair(handStart, column));
}

bool TableEngine::SplitsPair(int handStart, int column) const {
  return hands[handStart] == hands[handStart + 1] &&
         chart.At(kPairRowBase - ConvertTens(hands[handStart]), column) == 'Y';
}

char TableEngine::HardDecision(SlotCount count, int column) const {
  const int total = BestTotal(count).total;
  if (total > 21) return 'X';
  if (total > 17) return 'S';
  if (total < 8) return 'H';
  return chart.At(kHardRowBase - total, column);
}

char TableEngine::Decide(SlotCount& count, int handStart, int& lastPosition, int column, bool splits) {
  if (splits) return 'Y';
  // n is the total with one ace as 0 and the others as 1; past 10 an ace can
  // only count as 1, and 10 is a soft 21.
  auto nonAces = [&count] { return static_cast<int8_t>(count.Sum() - 10 * count.Aces() - 1); };
  int n = count.Aces() > 0 ? nonAces() : 0;
  if (n > 10 || n == 0) return HardDecision(count, column);
  if (n == 10) return 'B';
  // The soft rows hit inside the decision, onto the places after the hand's cards.
  for (int next = handStart + count.Cards();; ++next) {
    const char code = chart.At(kSoftRowBase - n, column);
    if (code != 'H') return code;
    // A hand holds nine cards at most: the ninth ends it.
    if (next - handStart >= kMaxHandCards) return 'S';
    DrawInto(count, next);
    ++lastPosition;
    n = nonAces();
    if (n > 9) return HardDecision(count, column);
  }
}

}  // namespace quorvel
