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

int32_t TableEngine::AddTotal(int start) {
  int32_t total = 0;
  int aces = 0;
  for (int p = start; p < start + kMaxHandCards; ++p) {
    const char c = hands[p];
    total += kValues.value[static_cast<unsigned char>(c)];
    aces += (c == 'A');
  }
  while (total > 21 && aces > 0) {
    total -= 10;
    --aces;
  }
  softAces = static_cast<int8_t>(aces);
  return total;
}

int8_t TableEngine::AddNonAces(int handStart) const {
  int sum = 0;
  int aces = 0;
  // The slot's tenth character is always zero, so the walk ends in the slot.
  for (int p = handStart; p < handStart + kSlotSpan && hands[p] != 0; ++p) {
    if (hands[p] == 'A') {
      ++aces;
    } else {
      sum += kValues.value[static_cast<unsigned char>(hands[p])];
    }
  }
  return static_cast<int8_t>(sum + aces - 1);
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
  int nextPosition = handStart;
  bool hasAce = false;
  while (nextPosition < handStart + kSlotSpan && hands[nextPosition] != 0) {
    hasAce |= (hands[nextPosition] == 'A');
    ++nextPosition;
  }
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
