// Playing a seat's hands: carrying out decisions, doubling, splitting and late surrender.
#include "engine/table_engine.h"

namespace quorvel {

void TableEngine::PlayRemainingCards(int start) {
  currentPosition = start;
  const int handStart = start / kSlotSpan * kSlotSpan;
  int finished;
  do {
    DrawCard(currentPosition);
    ChooseAction(handStart);
    finished = ShowAction();
    ++currentPosition;
    // A hand holds nine cards at most: the ninth ends it, as a stand.
    if (!finished && currentPosition - handStart >= kMaxHandCards) finished = 1;
  } while (!finished);
}

int TableEngine::ShowAction() {
  while (hands[currentPosition + 1] != 0) {
    if (drawing_) display_->ProcessEvents();
    ++currentPosition;
  }
  const int hand = currentPosition / kSlotSpan;
  const int handStart = hand * kSlotSpan;
  const int seatBase = handStart / kSeatSpan * kSeatSpan;
  const bool moreThanTwo = currentPosition % kSlotSpan != 1;
  const bool otherSeat = currentPosition > kSeatSpan && currentPosition < kDealerStart;
  const bool seatSplit = hands[seatBase + kSlotSpan] != 0;

  if (!otherSeat) handResults[hand] = 1.0f;
  auto special = [&](std::string_view text) {
    if (!otherSeat) display_->SpecialAction(hand, text);
  };
  // Ends the hand with a code the table does not act on; a nonzero code marks
  // a user hand for late surrender.
  auto otherCodeEnding = [&]() {
    if (!otherSeat) pendingAction[hand] = actionCode;
    return 1;
  };
  auto split = [&]() {
    splitSource = currentPosition;
    if (hands[seatBase + 3 * kSlotSpan] != 0) return 1;  // four hands already
    if (hands[seatBase + 2 * kSlotSpan] != 0) {
      ThreeSplit(handStart, seatBase);
    } else if (hands[seatBase + kSlotSpan] != 0) {
      TwoSplit(handStart, seatBase);
    } else {
      OneSplit(seatBase);
    }
    return 1;
  };

  switch (actionCode) {
    case 'H':
      return 0;
    case 'S':
      special("Stand");
      return 1;
    case 'X':
      return 1;
    case 'B':
      if (seatSplit || hand != 0 || moreThanTwo) return 1;
      special("Blackjack!!");
      handResults[0] = 1.5f;
      return 1;
    case 'D':
    case 'd': {
      const bool noDouble =
          moreThanTwo || (rules_.noDoubleAfterSplit && (hand != 0 || seatSplit));
      if (noDouble) return actionCode == 'D' ? 0 : 1;
      if (!otherSeat) handResults[hand] = 2.0f;
      ++currentPosition;
      DrawCard(currentPosition);
      special("Double");
      return 1;
    }
    case 'R':
      if (moreThanTwo || seatSplit) return 0;
      special("Surrender");
      return otherCodeEnding();
    case 'Q':
      if (moreThanTwo || seatSplit) return 1;
      special("Surrender");
      return otherCodeEnding();
    case 'r':
      if (moreThanTwo || seatSplit) {
        actionCode = 'Y';
        return split();
      }
      return otherCodeEnding();
    case 'Y':
      return split();
    default:
      return otherCodeEnding();
  }
}

void TableEngine::SplitsVisible(int newPosition) {
  PutCard(newPosition, hands[splitSource]);
  PutCard(splitSource, 0);
  if (drawing_ && shoe.drawPosition > 0) {
    display_->GetImage(newPosition);
    display_->UpDateJpgs(shoe.cards[shoe.drawPosition - 1]);
  }
}

void TableEngine::OneSplit(int seatBase) {
  SplitsVisible(seatBase + kSlotSpan);
  if (hands[seatBase] == 'A') {
    // Split aces take one card each and are not played on.
    DrawCard(seatBase + 1);
    DrawCard(seatBase + kSlotSpan + 1);
    if (seatBase == 0) handResults[1] = 1.0f;
    return;
  }
  PlayRemainingCards(seatBase + 1);
  if (hands[seatBase + kSlotSpan + 1] == 0) PlayRemainingCards(seatBase + kSlotSpan + 1);
}

void TableEngine::TwoSplit(int handStart, int seatBase) { SplitInto(handStart, seatBase, 2); }

void TableEngine::ThreeSplit(int handStart, int seatBase) { SplitInto(handStart, seatBase, 3); }

void TableEngine::SplitInto(int handStart, int seatBase, int newSlot) {
  const int newStart = seatBase + newSlot * kSlotSpan;
  SplitsVisible(newStart);
  if (hands[handStart] == 'A') {
    DrawCard(handStart + 1);
    DrawCard(newStart + 1);
    if (seatBase == 0) handResults[newSlot] = 1.0f;
    return;
  }
  // Hands of a seat are completed in slot order, each exactly once.
  for (int slotStart = handStart; slotStart <= newStart; slotStart += kSlotSpan) {
    if (hands[slotStart + 1] == 0) PlayRemainingCards(slotStart + 1);
  }
}

void TableEngine::SurrenderNoDealerBJ(int k) {
  if (pendingAction[k] != 0) handResults[k] = -0.5f;
}

}  // namespace quorvel
