// How the engine carries out a chart code, for hands of two cards and of more.
#pragma once

#include <array>

#include "tools/chart_analyzer/card_counts.h"

namespace quorvel::analyzer {

// The chart codes of one dealer column by total: hard 8..17 and soft 12..20
// (soft 12 shares the hard 17 code, as the chart row is shared).
struct ColumnCodes {
  std::array<char, 22> hard{};
  std::array<char, 22> soft{};
};

enum class Move { kStand, kHit, kDouble, kSurrender };

// The code the engine plays a hand of this total by. Hard 18 and above and
// soft 21 stand and hard 4 to 7 hit without the chart; a bust hand stands.
char CodeForHand(const ColumnCodes& codes, const Hand& hand);

// A hand of three or more cards: "D" and "R" hit, "d" and "Q" stand.
bool HitsAfterTwoCards(char code);

// The first decision on a two-card hand, when doubling or surrendering may
// not be allowed there.
Move TwoCardMove(char code, bool mayDouble, bool maySurrender);

}  // namespace quorvel::analyzer
