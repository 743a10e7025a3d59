// Splitting: the resplit count to four hands, split aces, and doubling after splits.
#include "tools/chart_analyzer/split_value.h"

#include <gtest/gtest.h>

#include "infinite_deck.h"
#include "tools/chart_analyzer/column_analysis.h"

namespace quorvel::analyzer {
namespace {

using testing::InfiniteChance;
using testing::InfiniteStand;

TEST(ResplitTotal, ExpectedNumberOfHands) {
  // No pair cards give two hands; nothing but pair cards four standing pairs.
  EXPECT_DOUBLE_EQ(ResplitTotal(0.0, 0.3, -0.8), 0.6);
  EXPECT_DOUBLE_EQ(ResplitTotal(1.0, 0.3, -0.8), -3.2);
  // Worked apart from the code: the second cards are dealt one at a time while
  // hands wait. The first resplit comes if a pair card is among the first two
  // draws, after which one more draw is waited for (three if it came first).
  // A second resplit needs a pair card among those waiting draws.
  for (double q : {0.05, 0.1, 0.25, 0.5, 0.75}) {
    const double p = 1.0 - q;
    const double firstResplit = 1.0 - p * p;
    const double secondResplit = q * (1.0 - p * p * p) + p * q * (1.0 - p * p);
    const double hands = 2.0 + firstResplit + secondResplit;
    // With every hand worth the same, the total counts the hands.
    EXPECT_NEAR(ResplitTotal(q, 1.0, 1.0), hands, 1e-12) << q;
  }
}

TEST(SplitValue, SplitAcesTakeOneCardEachAndAceTenSimplyWins) {
  for (int up = 2; up <= 9; ++up) {
    RankCounts shoe = FullShoe(8);
    --shoe[RankOfValue(up)];
    --shoe[kAce];
    const DealerTable table(RankOfValue(up), false);
    DealerCache dealer(table);
    ColumnCodes codes;
    HandValues values(shoe, RankKey(kAce), dealer, codes);
    // Infinite deck: a ten wins one unit, A,A stands on 12, anything else stands.
    double hand = InfiniteChance(10) + InfiniteChance(1) * InfiniteStand(12, up, false);
    for (int card = 2; card <= 9; ++card)
      hand += InfiniteChance(card) * InfiniteStand(11 + card, up, false);
    EXPECT_NEAR(SplitValue(values, kAce, 8, RankOfValue(up), {codes, true}), 2.0 * hand, 0.03)
        << up;
  }
}

TEST(SplitValue, DoublingAfterSplitsNeverMakesASplitWorse) {
  for (int decks : {2, 8}) {
    for (int up = 0; up < kRankCount; ++up) {
      const ColumnAnalysis column = AnalyzeColumn(decks, true, up);
      for (int pair = 0; pair < kRankCount; ++pair) {
        for (bool surrender : {false, true}) {
          const PairValues das = column.pairs[VariantIndex(false, surrender)][pair];
          const PairValues noDas = column.pairs[VariantIndex(true, surrender)][pair];
          EXPECT_GE(das.split, noDas.split - 1e-12)
              << decks << " decks, up " << up << ", pair " << pair;
          EXPECT_DOUBLE_EQ(das.played, noDas.played);
        }
      }
    }
  }
}

}  // namespace
}  // namespace quorvel::analyzer
