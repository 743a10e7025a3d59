// The dealer's final totals for one up card, computed exactly from a finite shoe.
#pragma once

#include <array>
#include <vector>

#include "tools/chart_analyzer/card_counts.h"

namespace quorvel::analyzer {

// Chances of the dealer ending on 17, 18, 19, 20, 21 or busting, each joint
// with the dealer not holding a two-card 21: the round is only played then,
// so the six chances add up to the chance of no dealer blackjack.
struct DealerOutcomes {
  static constexpr int kBust = 5;
  std::array<double, 6> chance{};

  double Final(int total) const { return chance[total - 17]; }
  double NoBlackjack() const;
};

// The chance that the hole card does not give the dealer blackjack.
double NoBlackjackChance(const RankCounts& shoe, int upRank);

// Every way the dealer can draw from one up card, laid out once so that the
// outcomes for any shoe are a single forward pass over it.
class DealerTable {
 public:
  DealerTable(int upRank, bool hitsSoft17);

  // `shoe` holds the cards left after the up card and the player's cards.
  DealerOutcomes Outcomes(const RankCounts& shoe) const;

  int UpRank() const { return upRank_; }
  int StateCount() const { return static_cast<int>(states_.size()); }

 private:
  // A transition is a state index, or a final outcome, or a card that cannot come.
  static constexpr int kBlocked = -100;
  static constexpr int FinalLink(int outcome) { return -1 - outcome; }

  struct State {
    std::array<std::uint8_t, kRankCount> drawn{};  // cards drawn after the up card
    int drawnCount = 0;
    int hard = 0;
    bool hasAce = false;
    std::array<int, kRankCount> next{};
  };

  int upRank_;
  std::vector<State> states_;  // ordered by cards drawn, so every link points forward
};

}  // namespace quorvel::analyzer
