// A table whose shoe deals a chosen sequence of ranks, for scenario tests.
#pragma once

#include <string>
#include <string_view>

#include "engine/table_engine.h"

namespace quorvel::testing {

// Lays `ranks` at the top of an 8-deck shoe (suits don't matter to play) and
// sets the cut point past them so nothing reshuffles mid-scenario.
inline void RigShoe(TableEngine& engine, std::string_view ranks) {
  for (size_t i = 0; i < ranks.size(); ++i) engine.shoe.cards[i] = {ranks[i], 'S'};
  engine.shoe.drawPosition = 0;
  engine.shoe.cutPoint = kShoeSize;
}

inline TableRules Rules(int players, bool lateSurrender = false, bool noDoubleAfterSplit = false,
                        bool dealerHitsSoft17 = false) {
  TableRules rules;
  rules.players = players;
  rules.decks = 8;
  rules.penetration = 75;
  rules.lateSurrender = lateSurrender;
  rules.noDoubleAfterSplit = noDoubleAfterSplit;
  rules.dealerHitsSoft17 = dealerHitsSoft17;
  return rules;
}

// The cards of one hand slot as a string, up to the first empty position.
inline std::string HandText(const TableEngine& engine, int start) {
  std::string text;
  for (int p = start; p < start + kSlotSpan && engine.hands[p] != 0; ++p) text += engine.hands[p];
  return text;
}

}  // namespace quorvel::testing
