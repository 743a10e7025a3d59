// The value of splitting a pair, resplitting to four hands as the engine does.
#pragma once

#include "tools/chart_analyzer/hand_values.h"

namespace quorvel::analyzer {

// How the seat plays after splitting: the chart's codes for two-card hands
// and whether a split hand may double. Surrender is never open after a split.
struct SplitPlay {
  const ColumnCodes& codes;
  bool doubleAfterSplit = false;
};

// The total of all split hands, joint with no dealer blackjack.
// `splitShoe` holds the shoe less the up card and one card of the pair (the
// other pair card starts each hand). Each hand is valued from that shoe; a
// resplit is taken with the chance of drawing the pair card to a hand, as if
// that chance and the value of a finished hand stayed the same for every hand.
double SplitValue(HandValues& splitShoe, int pairRank, int decks, int upRank,
                  const SplitPlay& play);

// The total over the hands of a split when each hand draws a pair card with
// chance `pairChance`, resplits while the seat has fewer than four hands,
// and otherwise is worth `finishedValue` (no pair) or `pairStandValue`
// (a pair that may not be split again stands).
double ResplitTotal(double pairChance, double finishedValue, double pairStandValue);

}  // namespace quorvel::analyzer
