// Values of single choices and of splits, checked against an infinite-deck reckoning and exact
// rules: stand, hit, double, surrender, the resplit count to four hands, split aces, and doubling
// after splits.
#include <gtest/gtest.h>



#include "infinite_deck.h"
#include "tools/chart_analyzer/column_analysis.h"
#include "tools/chart_analyzer/hand_values.h"
#include "tools/chart_analyzer/split_value.h"

namespace quorvel::analyzer {
namespace {

using testing::InfiniteChance;
using testing::InfiniteStand;

// One dealer column over a full shoe less the up card.
struct Column {
  Column(int decks, int upRank, bool hitsSoft17)
      : table(upRank, hitsSoft17),
        dealer(table),
        values(ShoeLessUp(decks, upRank), 0, dealer, codes) {}

  static RankCounts ShoeLessUp(int decks, int upRank) {
    RankCounts shoe = FullShoe(decks);
    --shoe[upRank];
    return shoe;
  }
  // Given that the round is played.
  double Given(double joint, const Hand& hand) const { return joint / values.NoBlackjack(hand); }

  ColumnCodes codes;
  DealerTable table;
  DealerCache dealer;
  HandValues values;
};

Hand Cards(std::initializer_list<int> values) {
  Hand hand;
  for (int value : values) hand = hand.With(RankOfValue(value));
  return hand;
}

TEST(HandValues, StandValuesAreCloseToTheInfiniteDeck) {
  for (bool hitsSoft17 : {false, true}) {
    for (int up = 1; up <= 10; ++up) {
      Column column(8, RankOfValue(up), hitsSoft17);
      for (int total = 16; total <= 21; ++total) {
        const Hand hand = total == 21 ? Cards({10, 1}) : Cards({10, total - 10});
        EXPECT_NEAR(column.Given(column.values.Stand(hand), hand),
                    InfiniteStand(total, up, hitsSoft17), 0.012)
            << "stand " << total << " against " << up;
      }
    }
  }
}

TEST(HandValues, HitAndDoubleAreCloseToTheInfiniteDeck) {
  for (int up = 1; up <= 10; ++up) {
    Column column(8, RankOfValue(up), false);
    for (int total = 12; total <= 16; ++total) column.codes.hard[total] = 'H';
    column.codes.hard[17] = 'S';
    // Hitting 16 once: 17 to 21 stand, anything else busts.
    double hitSixteen = 0.0;
    double doubleEleven = 0.0;
    for (int card = 1; card <= 10; ++card) {
      const double chance = InfiniteChance(card);
      hitSixteen += chance * (card <= 5 ? InfiniteStand(16 + card, up, false) : -1.0);
      doubleEleven += 2.0 * chance * InfiniteStand(11 + card, up, false);
    }
    const Hand sixteen = Cards({10, 6});
    const Hand eleven = Cards({5, 6});
    EXPECT_NEAR(column.Given(column.values.Hit(sixteen), sixteen), hitSixteen, 0.012) << up;
    EXPECT_NEAR(column.Given(column.values.Double(eleven), eleven), doubleEleven, 0.025) << up;
  }
}

TEST(HandValues, FixedPayoffsGivenTheRoundIsPlayed) {
  for (int up : {1, 6, 10}) {
    Column column(6, RankOfValue(up), true);
    const Hand sixteen = Cards({9, 7});
    const Hand bust = Cards({10, 6, 8});
    const Hand splitTwentyOne = Cards({10, 1});
    EXPECT_DOUBLE_EQ(column.Given(column.values.Surrender(sixteen), sixteen), -0.5) << up;
    EXPECT_DOUBLE_EQ(column.Given(column.values.Stand(bust), bust), -1.0) << up;
    EXPECT_DOUBLE_EQ(column.Given(column.values.SureWin(splitTwentyOne), splitTwentyOne), 1.0)
        << up;
  }
}

TEST(HandValues, ChartCodesDecideHowLongerHandsPlay) {
  // With every hard total up to 16 standing, hitting 12 draws exactly one card.
  Column column(6, RankOfValue(10), false);
  for (int total = 8; total <= 17; ++total) column.codes.hard[total] = 'S';
  for (int total = 12; total <= 20; ++total) column.codes.soft[total] = 'S';
  const Hand twelve = Cards({10, 2});
  double oneCard = 0.0;
  for (int rank = 0; rank < kRankCount; ++rank) {
    oneCard += column.values.DrawChance(twelve, rank) * column.values.Stand(twelve.With(rank));
  }
  EXPECT_NEAR(column.values.Hit(twelve), oneCard, 1e-12);
  // "d" and "Q" stand after two cards just as "S" does; "D" and "R" hit like "H".
  Column doubling(6, RankOfValue(10), false);
  for (int total = 8; total <= 17; ++total) doubling.codes.hard[total] = total % 2 ? 'd' : 'Q';
  for (int total = 12; total <= 20; ++total) doubling.codes.soft[total] = 'd';
  EXPECT_NEAR(doubling.values.Hit(twelve), oneCard, 1e-12);
}

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
