// Hand totals and the chart lookups that turn a hand into a decision.
#include "engine/table_engine.h"

namespace quorvel {
namespace {

// Value of a rank character as AddTotal counts it; an ace counts 11 here.
struct CardValues {
  std::array<int8_t, 256> value{};
  constexpr CardValues() {
    for (char c = '2'; c <= '9'; ++c) value[static_cast<unsigned char>(c)] = static_cast<int8_t>(c - '0');
    for (char c : {'T', 'J', 'Q', 'K'}) value[static_cast<unsigned char>(c)] = 10;
    value[static_cast<unsigned char>('A')] = 11;
  }
};
constexpr CardValues kValues;

constexpr int kPairRowBase = 59;  // row = 59 - ConvertTens(rank)
constexpr int kSoftRowBase = 19;  // row = 19 - n
constexpr int kHardRowBase = 35;  // row = 35 - total

}  // namespace

int TableEngine::UpColumn() const { return ConvertTens(hands[kDealerStart]) - '2'; }

void TableEngine::PutCard(int position, char rank) {
  const unsigned at = static_cast<unsigned>(position);
  SlotCount& slot = slots_[at / kSlotSpan];
  // Only the first nine positions of a hand count toward its total.
  const bool counted = at % kSlotSpan < kMaxHandCards;
  const unsigned char old = static_cast<unsigned char>(hands[at]);
  const unsigned char now = static_cast<unsigned char>(rank);
  hands[at] = rank;
  if (old == 0) {  // the usual case: a card lands on an empty place
    ++slot.cards;
    if (counted) {
      slot.sum = static_cast<uint8_t>(slot.sum + kValues.value[now]);
      slot.aces = static_cast<uint8_t>(slot.aces + (now == 'A'));
    }
    return;
  }
  slot.cards = static_cast<uint8_t>(slot.cards + (now != 0) - 1);
  if (!counted) return;
  slot.sum = static_cast<uint8_t>(slot.sum + kValues.value[now] - kValues.value[old]);
  slot.aces = static_cast<uint8_t>(slot.aces + (now == 'A') - (old == 'A'));
}

int32_t TableEngine::AddTotal(int start) {
  const SlotCount& slot = slots_[start / kSlotSpan];
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
  const SlotCount& slot = slots_[handStart / kSlotSpan];
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
  const SlotCount& slot = slots_[handStart / kSlotSpan];
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
