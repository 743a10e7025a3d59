// The dealer's drawing and the outcome of each of the user's hands.
#include "engine/table_engine.h"

namespace quorvel {
namespace {

constexpr int kDealerEndLive = 290;   // the dealer may draw up to position 289
constexpr int kDealerEndStand = 282;  // the dealer keeps two cards

struct SlotLabels {
  Label outcome;
  Label total;
  Label action;
};
constexpr SlotLabels kSlotLabels[kUserHands] = {
    {Label::dealer, Label::text_1, Label::text1},
    {Label::dealer2, Label::Split1, Label::text_s1},
    {Label::dealer3, Label::Split2, Label::text_s2},
    {Label::dealer4, Label::Split3, Label::text_s3},
};

}  // namespace

int TableEngine::PlayersBusted() {
  // Every hand of every seat counts, split hands included: a live split hand
  // must face a dealer who has drawn. Split hands take a seat's slots in
  // order, so its first empty slot ends its hands.
  const int players = rules_.players;
  for (int s = 0; s < players; ++s) {
    for (int slot = 0; slot < kUserHands; ++slot) {
      const int start = kSeatSpan * s + kSlotSpan * slot;
      if (hands[start] == 0) break;
      const int total = BestTotal(slots_[kUserHands * s + slot]).total;
      if (total < 21 || (total == 21 && hands[start + 2] != 0)) return kDealerEndLive;
    }
  }
  return kDealerEndStand;
}

void TableEngine::DealerPlays() {
  const int end = PlayersBusted();
  // The dealer's count stays in a register while the dealer draws.
  SlotCount& slot = slots_[kDealerStart / kSlotSpan];
  SlotCount count = slot;
  const bool hitsSoft17 = rules_.dealerHitsSoft17;
  for (int p = kDealerStart + 2; p < end; ++p) {
    const HandTotal best = BestTotal(count);
    const bool hits = best.total < 17 || (best.total == 17 && best.softAces > 0 && hitsSoft17);
    if (!hits) break;
    DrawInto(count, p, kHandPositions.counted[static_cast<unsigned>(p)]);
  }
  slot = count;
  dealerTotal = static_cast<int8_t>(AddTotal(kDealerStart));
  ShowNumber(Label::Label4, dealerTotal);
  for (int k = 0; k < kUserHands; ++k) {
    if (hands[kSlotSpan * k] == 0) break;  // no further split hands
    CheckDealer(k, AddTotal(kSlotSpan * k), hands[kSlotSpan * k + 2]);
  }
}

void TableEngine::CheckDealer(int slot, int total, char thirdCard) {
  if (total == 0) return;
  float& f = handResults[slot];
  std::string_view message;
  if (f == -0.5f) {
    message = "loss: surrender";
  } else if (total == 21 && thirdCard == 0) {
    message = "win: hand wins";
  } else if (total > 21) {
    message = "loss: hand loses";
    f = -f;
  } else if (dealerTotal > 21) {
    message = "win: Dealer Busts!!";
    if (f == 0) f = 1.0f;
  } else if (total < dealerTotal) {
    message = "loss: Dealer wins";
    f = -f;
  } else if (total == dealerTotal) {
    message = "Push";
    f = 0;
  } else {
    message = "win: hand wins";
    if (f == 0) f = 1.0f;
  }
  // DealerSee: only manual play shows outcomes.
  if (drawing_) {
    display_->SetLabel(kSlotLabels[slot].outcome, message);
    display_->ShowLabel(kSlotLabels[slot].action);
    ShowNumber(kSlotLabels[slot].total, total);
  }
}

}  // namespace quorvel
