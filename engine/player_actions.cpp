// Playing a seat's hands: carrying out decisions, doubling, splitting and late surrender.
#include "engine/table_engine.h"

namespace quorvel {

void TableEngine::PlayRemainingCards(int start) {
  // The hand's count and its place stay at hand while it is played; the slot
  // is written back before anything else can read it.
  const int handStart = start - 1;
  const unsigned slotNumber = kHandPositions.slot[static_cast<unsigned>(handStart)];
  const HandPlace hand{handStart, static_cast<int>(slotNumber / kUserHands * kSeatSpan),
                       static_cast<int>(slotNumber), handStart < kSeatSpan};
  const int column = UpColumn();
  SlotCount& slot = slots_[slotNumber];
  SlotCount count = slot;
  int position = start;
  DrawInto(count, position);
  // Nothing lands on the hand's first two places while it is played.
  const bool splits = SplitsPair(handStart, column);
  for (;;) {
    const char code = Decide(count, handStart, position, column, splits);
    while (hands[position + 1] != 0) {
      if (drawing_) display_->ProcessEvents();
      ++position;
    }
    slot = count;
    if (Act(code, hand, count, position) == Step::kDone) return;
    ++position;
    // A hand holds nine cards at most: the ninth ends it, as a stand.
    if (position - handStart >= kMaxHandCards) return;
    DrawInto(count, position);
  }
}

void TableEngine::ShowAction(const HandPlace& hand, std::string_view text) {
  if (hand.user && screen_) display_->SpecialAction(hand.slot, text);
}

TableEngine::Step TableEngine::Act(char code, const HandPlace& hand, SlotCount& count,
                                   int& position) {
  if (hand.user) handResults[hand.slot] = 1.0f;
  // The common codes first: they need nothing of the hand's history.
  if (code == 'H') return Step::kHit;
  if (code == 'S') {
    ShowAction(hand, "Stand");
    return Step::kDone;
  }
  if (code == 'X') return Step::kDone;
  const bool moreThanTwo = position != hand.start + 1;
  const bool seatSplit = hands[hand.seatBase + kSlotSpan] != 0;
  // Ends the hand with a code the table does not act on; a nonzero code marks
  // a user hand for late surrender.
  auto otherCodeEnding = [&] {
    if (hand.user) pendingAction[hand.slot] = code;
    return Step::kDone;
  };
  auto split = [&] {
    Split(hand, position);
    return Step::kDone;
  };

  switch (code) {
    case 'B':
      if (seatSplit || hand.slot != 0 || moreThanTwo) return Step::kDone;
      ShowAction(hand, "Blackjack!!");
      handResults[0] = 1.5f;
      return Step::kDone;
    case 'D':
    case 'd': {
      const bool noDouble =
          moreThanTwo || (rules_.noDoubleAfterSplit && (hand.slot != 0 || seatSplit));
      if (noDouble) return code == 'D' ? Step::kHit : Step::kDone;
      if (hand.user) {
        handResults[hand.slot] = 2.0f;
        handDoubled[static_cast<unsigned>(hand.slot)] = true;
      }
      ++position;
      DrawInto(count, position);
      slots_[static_cast<unsigned>(hand.slot)] = count;
      ShowAction(hand, "Double");
      return Step::kDone;
    }
    case 'R':
      if (moreThanTwo || seatSplit) return Step::kHit;
      ShowAction(hand, "Surrender");
      return otherCodeEnding();
    case 'Q':
      if (moreThanTwo || seatSplit) return Step::kDone;
      ShowAction(hand, "Surrender");
      return otherCodeEnding();
    case 'r':
      if (moreThanTwo || seatSplit) return split();
      return otherCodeEnding();
    case 'Y':
      return split();
    default:
      return otherCodeEnding();
  }
}

void TableEngine::Split(const HandPlace& hand, int source) {
  const int seatBase = hand.seatBase;
  if (hands[seatBase + 3 * kSlotSpan] != 0) return;  // four hands already
  if (hands[seatBase + 2 * kSlotSpan] != 0) {
    SplitInto(hand.start, seatBase, 3, source);
  } else if (hands[seatBase + kSlotSpan] != 0) {
    SplitInto(hand.start, seatBase, 2, source);
  } else {
    SplitInto(seatBase, seatBase, 1, source);
  }
}

void TableEngine::SplitInto(int handStart, int seatBase, int newSlot, int source) {
  // The split card moves to the new slot's first place.
  const int newStart = seatBase + newSlot * kSlotSpan;
  PutCard(newStart, hands[source]);
  PutCard(source, 0);
  if (drawing_ && shoe.drawPosition > 0) {
    display_->GetImage(newStart);
    display_->UpDateJpgs(shoe.cards[shoe.drawPosition - 1]);
  }
  if (hands[handStart] == 'A') {
    // Split aces take one card each and are not played on.
    DrawCard(handStart + 1);
    DrawCard(newStart + 1);
    if (seatBase == 0) handResults[newSlot] = 1.0f;
    return;
  }
  // Hands of a seat are completed in slot order, each exactly once; the first
  // split replays its first hand from the second place whatever lies there.
  int slotStart = handStart;
  if (newSlot == 1) {
    PlayRemainingCards(handStart + 1);
    slotStart += kSlotSpan;
  }
  for (; slotStart <= newStart; slotStart += kSlotSpan) {
    if (hands[slotStart + 1] == 0) PlayRemainingCards(slotStart + 1);
  }
}

void TableEngine::SurrenderNoDealerBJ(int k) {
  if (pendingAction[k] != 0) handResults[k] = -0.5f;
}

}  // namespace quorvel
