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
  char HardTotal(int handStart);
  char SoftTotal(int handStart, int n, int nextPosition);
  char Pairs(int handStart) const;
  char ChooseAction(int handStart);

  // Player actions.
  void PlayRemainingCards(int start);
  int ShowAction();
  void OneSplit(int seatBase);
  void TwoSplit(int handStart, int seatBase);
  void ThreeSplit(int handStart, int seatBase);
  void SplitsVisible(int newPosition);
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
  int32_t splitSource = 0;
  int32_t currentPosition = 0;
  char actionCode = 0;
  int8_t softAces = 0;
  int8_t dealerTotal = 0;

 private:
  int UpColumn() const;
  void SplitInto(int handStart, int seatBase, int newSlot);
  void ShowDrawnCard(int position, CardName card);
  void ShowLabel(Label label, std::string_view text);
  void ShowNumber(Label label, int value);

  // Running count of each slot's cards, so totals need no walk over the hand.
  struct SlotCount {
    uint8_t sum = 0;    // card values of the first nine positions, aces as 11
    uint8_t aces = 0;   // aces among the first nine positions
    uint8_t cards = 0;  // cards in the slot
  };
  std::array<SlotCount, kHandAreaSize / kSlotSpan> slots_{};

  TableRules rules_{};
  Display* display_;
  bool drawing_ = false;
};

// Drawing and placing run for every card of every round, so they are inline.
[[gnu::always_inline]] inline void TableEngine::DrawCard(int position) {
  // The shoe ends where its shuffled part ends: the entries beyond it are not
  // in play, so a long round reshuffles rather than deal them.
  if (shoe.drawPosition >= shoe.ShuffledSize()) [[unlikely]] {
    shoe.Shuffle();
    shoe.drawPosition = 0;
  }
  const CardName card = shoe.cards[shoe.drawPosition++];
  PutCard(position, card.rank);
  if (drawing_) [[unlikely]] ShowDrawnCard(position, card);
}

[[gnu::always_inline]] inline void TableEngine::PutCard(int position, char rank) {
  const unsigned at = static_cast<unsigned>(position);
  SlotCount& slot = slots_[kHandPositions.slot[at]];
  // Only the first nine positions of a hand count toward its total.
  const bool counted = kHandPositions.counted[at];
  const unsigned char old = static_cast<unsigned char>(hands[at]);
  const unsigned char now = static_cast<unsigned char>(rank);
  hands[at] = rank;
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

}  // namespace quorvel
