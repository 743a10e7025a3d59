// A round of the table: dealing, the order of the seats, the dealer-blackjack path and the shoe.
#include "engine/table_engine.h"

#include <algorithm>
#include <charconv>

namespace quorvel {
Display& NullDisplay() {
  // Stateless, so one instance serves every thread.
  static Display none;
  return none;
}

TableEngine::TableEngine(Display* display) { SetDisplay(display); }

void TableEngine::SetDisplay(Display* display) {
  display_ = display ? display : &NullDisplay();
  // A run without a screen then makes no call for the words of each action.
  screen_ = display_ != &NullDisplay();
}

void TableEngine::SetRules(const TableRules& rules) {
  rules_ = rules;
  rules_.players = std::clamp(rules.players, 1, kMaxPlayers);
  // Seats that leave play must not keep cards from an earlier round.
  hands.fill(0);
  slots_.fill({});
  shoe.SetDecks(rules.decks);
  rules_.decks = shoe.Decks();
}

void TableEngine::ShowLabel(Label label, std::string_view text) {
  if (drawing_) display_->SetLabel(label, text);
}

void TableEngine::ShowNumber(Label label, int value) {
  if (!drawing_) return;
  char text[16];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  display_->SetLabel(label, std::string_view(text, static_cast<size_t>(end - text)));
}

void TableEngine::ShowDrawnCard(int position, CardName card) {
  display_->GetImage(position);
  display_->UpDateJpgs(card);
}

void TableEngine::ClearHands() {
  // Each seat in play and the dealer at a fixed size; seats out of play hold
  // no cards, since the rules that take them out of play clear the whole area.
  const int players = rules_.players;
  for (int s = 0; s < players; ++s) {
    std::fill_n(hands.begin() + kSeatSpan * s, kSeatSpan, 0);
    std::fill_n(slots_.begin() + kUserHands * s, kUserHands, SlotCount{});
  }
  std::fill_n(hands.begin() + kDealerStart, kHandAreaSize - kDealerStart, 0);
  slots_[kDealerStart / kSlotSpan] = {};
}

void TableEngine::PlayRound() {
  ClearHands();
  pendingAction.fill(0);
  handResults.fill(0.0f);
  handDoubled.fill(false);

  const int players = rules_.players;
  DrawCard(0);
  for (int s = 1; s < players; ++s) DrawCard(kSeatSpan * s);
  DrawCard(kDealerStart);
  DrawCard(kDealerStart + 1);
  dealerTotal = static_cast<int8_t>(AddTotal(kDealerStart));

  if (dealerTotal == 21) {
    // A dealer blackjack ends the round before anyone plays.
    for (int s = 0; s < players; ++s) DrawCard(kSeatSpan * s + 1);
    const int total = AddTotal(0);
    ShowNumber(Label::text_1, total);
    ShowLabel(Label::dealer, total == 21 ? "push" : "loss: Dealer Blackjack");
    if (total < 21) handResults[0] = -1.0f;
    return;
  }

  PlayRemainingCards(1);
  for (int s = 1; s < players; ++s) PlayRemainingCards(kSeatSpan * s + 1);
  if (rules_.lateSurrender) {
    for (int k = 0; k < kUserHands; ++k) SurrenderNoDealerBJ(k);
  }
  DealerPlays();
}

void TableEngine::CheckShoe() {
  if (shoe.drawPosition > shoe.cutPoint) shoe.ShuffleThreeTimes();
}

}  // namespace quorvel
