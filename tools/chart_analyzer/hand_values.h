// Expected values of standing, hitting, doubling and surrendering a player hand.
#pragma once

#include <cstdint>
#include <unordered_map>

#include "tools/chart_analyzer/card_counts.h"
#include "tools/chart_analyzer/dealer_cache.h"
#include "tools/chart_analyzer/play_codes.h"

namespace quorvel::analyzer {

// Values over one shoe for one dealer up card. Every value is joint with the
// dealer not holding blackjack (the round is only played then): divide by
// NoBlackjack(hand) for the value given that the round is played. Drawn cards
// come from the shoe less the hand, in any order, as every order of the
// unseen cards is equally likely.
class HandValues {
 public:
  // `shoe` is the shoe less the up card and any cards set aside (the other
  // card of a split pair), which `setAsideKey` names.
  HandValues(const RankCounts& shoe, std::uint64_t setAsideKey, DealerCache& dealer,
             const ColumnCodes& play);

  double Stand(const Hand& hand);
  double Hit(const Hand& hand);
  double Double(const Hand& hand);
  double Surrender(const Hand& hand) const;
  // A two-card 21 after a split wins whatever the dealer makes.
  double SureWin(const Hand& hand) const;
  // A hand of three or more cards, played on by the column's codes.
  double PlayOn(const Hand& hand);

  double NoBlackjack(const Hand& hand) const;
  // The chance that the next card is `rank`, with the hand out of the shoe.
  double DrawChance(const Hand& hand, int rank) const;
  RankCounts Left(const Hand& hand) const;

 private:
  RankCounts shoe_;
  std::uint64_t setAsideKey_;
  DealerCache& dealer_;
  const ColumnCodes& play_;
  std::unordered_map<std::uint64_t, double> playOnMemo_;
};

}  // namespace quorvel::analyzer
