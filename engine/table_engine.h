// The table engine: deals a round, plays every seat by the chart and plays the dealer.
#pragma once

#include <array>
#include <cstdint>

#include "engine/display.h"
#include "engine/hand_area.h"
#include "engine/shoe.h"
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
  std::array<char, kUserHands> pendingAction{};
  int8_t softAces = 0;
  int8_t dealerTotal = 0;

 private:
  // Running count of each slot's cards, so totals need no walk over the hand.
  struct SlotCount {
    uint8_t sum = 0;    // card values of the first nine positions, aces as 11
    uint8_t aces = 0;   // aces among the first nine positions
    uint8_t cards = 0;  // cards in the slot
  };
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
  void DrawInto(SlotCount& slot, int position);
  char Decide(SlotCount& count, int handStart, int& lastPosition, int column);
  char HardDecision(const SlotCount& count, int column) const;
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
  const unsigned char old = static_cast<unsigned char>(hands[static_cast<unsigned>(position)]);
  const unsigned char now = static_cast<unsigned char>(rank);
  hands[static_cast<unsigned>(position)] = rank;
  if (old == 0) [[likely]] {  // a card lands on an empty place
    ++slot.cards;
    if (counted) {
      slot.sum = static_cast<uint8_t>(slot.sum + kCardValues.value[now]);
      slot.aces = static_cast<uint8_t>(slot.aces + (now == 'A'));
    }
    return;
  }
  slot.cards = static_cast<uint8_t>(slot.cards + (now != 0) - 1);
  if (!counted) return;
  slot.sum = static_cast<uint8_t>(slot.sum + kCardValues.value[now] - kCardValues.value[old]);
  slot.aces = static_cast<uint8_t>(slot.aces + (now == 'A') - (old == 'A'));
}

[[gnu::always_inline]] inline void TableEngine::DrawInto(SlotCount& slot, int position) {
  // Only ever a player's position, all of which lie among a slot's first nine.
  const CardName card = TakeCard();
  PlaceCard(slot, position, card.rank, true);
  if (drawing_) [[unlikely]] ShowDrawnCard(position, card);
}

[[gnu::always_inline]] inline void TableEngine::DrawCard(int position) {
  const unsigned at = static_cast<unsigned>(position);
  const CardName card = TakeCard();
  PlaceCard(slots_[kHandPositions.slot[at]], position, card.rank, kHandPositions.counted[at]);
  if (drawing_) [[unlikely]] ShowDrawnCard(position, card);
}

[[gnu::always_inline]] inline void TableEngine::PutCard(int position, char rank) {
  const unsigned at = static_cast<unsigned>(position);
  PlaceCard(slots_[kHandPositions.slot[at]], position, rank, kHandPositions.counted[at]);
}

}  // namespace quorvel
