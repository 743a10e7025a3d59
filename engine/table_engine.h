// The table engine: deals a round, plays every seat by the chart and plays the dealer.
#pragma once

#include <array>
#include <cstdint>

#include "engine/display.h"
#include "engine/hand_area.h"
#include "engine/shoe.h"
#include "engine/slot_count.h"
#include "engine/strategy_chart.h"
#include "engine/table_rules.h"

namespace quorvel {

class TableEngine {
 public:
  explicit TableEngine(Display* display = nullptr);

  // Rules outside what the arrays hold are brought into range first: players
  // into 1..7, decks outside 2..8 become 2.
  void SetRules(const TableRules& rules);
  const TableRules& Rules() const { return rules_; }
  void SetDisplay(Display* display);
  // Card pictures and table labels are drawn only in manual play.
  void SetDrawing(bool drawing) { drawing_ = drawing; }
  bool Drawing() const { return drawing_; }

  // One round up to settlement: clears the table, deals, plays every seat,
  // applies late surrender and plays the dealer. Leaves handResults.
  void PlayRound();
  // The end-of-round shoe check: three shuffles once the cut point is passed.
  void CheckShoe();

  // Card handling.
  void DrawCard(int position);
  // Every write to the hand area goes through here (0 removes a card), so
  // the running count of each slot stays exact.
  void PutCard(int position, char rank);
  void ClearHands();

  // Totals and decisions; a hand is named by its slot's first position.
  int32_t AddTotal(int start);
  int8_t AddNonAces(int handStart) const;
  char Pairs(int handStart) const;
  // The decision for the hand at handStart whose last card lies at
  // lastPosition; soft hands the chart hits are hit inside the decision, and
  // lastPosition follows the cards drawn.
  char ChooseAction(int handStart, int& lastPosition);

  // Plays a hand from its second card, which is drawn to `start`.
  void PlayRemainingCards(int start);
  void SurrenderNoDealerBJ(int k);

  // Dealer and outcomes.
  int PlayersBusted();
  void DealerPlays();
  void CheckDealer(int slot, int total, char thirdCard);

  Shoe shoe;
  StrategyChart chart;
  HandArea hands{};
  std::array<float, kUserHands> handResults{};
  // Doubled hands of the round: a doubled push still put two stakes at risk.
  std::array<bool, kUserHands> handDoubled{};
  std::array<char, kUserHands> pendingAction{};
  int8_t softAces = 0;
  int8_t dealerTotal = 0;

 private:
  // Where a hand in play sits, worked out once per hand rather than per card.
  struct HandPlace {
    int start;     // the slot's first position
    int seatBase;  // the seat's first position
    int slot;      // slot number over the whole area; 0..3 are the user's
    bool user;     // seat 0, whose hands are settled and shown
  };
  enum class Step { kHit, kDone };

  int UpColumn() const;
  CardName TakeCard();
  void PlaceCard(SlotCount& slot, int position, char rank, bool counted);
  // counted: the position is among its slot's first nine, as every player's is.
  void DrawInto(SlotCount& slot, int position, bool counted = true);
  // Whether the hand's first two cards are a pair the chart splits.
  bool SplitsPair(int handStart, int column) const;
  char Decide(SlotCount& count, int handStart, int& lastPosition, int column, bool splits);
  char HardDecision(SlotCount count, int column) const;
  Step Act(char code, const HandPlace& hand, SlotCount& count, int& position);
  void Split(const HandPlace& hand, int source);
  void SplitInto(int handStart, int seatBase, int newSlot, int source);
  void ShowAction(const HandPlace& hand, std::string_view text);
  void ShowDrawnCard(int position, CardName card);
  void ShowLabel(Label label, std::string_view text);
  void ShowNumber(Label label, int value);

  std::array<SlotCount, kHandAreaSize / kSlotSpan> slots_{};

  TableRules rules_{};
  Display* display_;
  bool screen_ = false;  // a display other than the null one: action words go to it
  bool drawing_ = false;
};

// Drawing and placing run for every card of every round, so they are inline.
[[gnu::always_inline]] inline CardName TableEngine::TakeCard() {
  // The shoe ends where its shuffled part ends: the entries beyond it are not
  // in play, so a long round reshuffles rather than deal them.
  if (shoe.drawPosition >= shoe.ShuffledSize()) [[unlikely]] {
    shoe.Shuffle();
    shoe.drawPosition = 0;
  }
  return shoe.cards[shoe.drawPosition++];
}

[[gnu::always_inline]] inline void TableEngine::PlaceCard(SlotCount& slot, int position, char rank,
                                                          bool counted) {
  char& place = hands[static_cast<unsigned>(position)];
  const unsigned char old = static_cast<unsigned char>(place);
  place = rank;
  const uint32_t fields = counted ? SlotCount::kAllFields : SlotCount::kCardsField;
  const uint32_t added = counted ? kCardCounts.add[static_cast<unsigned char>(rank)]
                                 : kCardCounts.add[static_cast<unsigned char>(rank)] & fields;
  if (old == 0) [[likely]] {  // a card lands on an empty place
    slot.packed += added;
    return;
  }
  // Unsigned wrap-around: the sum of the two is what each field ends at.
  slot.packed += added - (kCardCounts.add[old] & fields);
}

[[gnu::always_inline]] inline void TableEngine::DrawInto(SlotCount& slot, int position, bool counted) {
  const CardName card = TakeCard();
  PlaceCard(slot, position, card.rank, counted);
  if (drawing_) [[unlikely]] ShowDrawnCard(position, card);
}

[[gnu::always_inline]] inline void TableEngine::DrawCard(int position) {
  const unsigned at = static_cast<unsigned>(position);
  DrawInto(slots_[kHandPositions.slot[at]], position, kHandPositions.counted[at]);
}

[[gnu::always_inline]] inline void TableEngine::PutCard(int position, char rank) {
  const unsigned at = static_cast<unsigned>(position);
  PlaceCard(slots_[kHandPositions.slot[at]], position, rank, kHandPositions.counted[at]);
}

}  // namespace quorvel
