// Values of single choices, checked against an infinite-deck reckoning and exact rules.
#include "tools/chart_analyzer/hand_values.h"

#include <gtest/gtest.h>

#include "infinite_deck.h"

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

}  // namespace
}  // namespace quorvel::analyzer
