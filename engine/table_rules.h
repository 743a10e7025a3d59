// The table rules the engine plays by.
#pragma once

namespace quorvel {

inline constexpr int kMaxPlayers = 7;

struct TableRules {
  int players = 1;      // seats in play, 1..7; seat 0 is the user's
  int decks = 2;        // 2..8
  int penetration = 0;  // percent dealt before a reshuffle; 0 = continuous shuffle
  bool dealerHitsSoft17 = false;
  bool lateSurrender = false;
  bool noDoubleAfterSplit = false;
};

}  // namespace quorvel
