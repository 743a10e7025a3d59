// Dealer outcome chances: totals, blackjack conditioning, hand-worked shoes, large-shoe limits.
#include "tools/chart_analyzer/dealer_outcomes.h"

#include <gtest/gtest.h>

#include "infinite_deck.h"

namespace quorvel::analyzer {
namespace {

using testing::InfiniteDealer;

RankCounts ShoeLessUp(int decks, int upRank) {
  RankCounts shoe = FullShoe(decks);
  --shoe[upRank];
  return shoe;
}

TEST(DealerOutcomes, ChancesAddUpToTheChanceOfNoBlackjack) {
  for (int decks : {2, 4, 6, 8}) {
    for (bool hitsSoft17 : {false, true}) {
      for (int up = 0; up < kRankCount; ++up) {
        const DealerTable table(up, hitsSoft17);
        const DealerOutcomes outcomes = table.Outcomes(ShoeLessUp(decks, up));
        // 52d - 1 cards remain; 16d tens under an ace, 4d aces under a ten.
        const double left = 52.0 * decks - 1.0;
        double expected = 1.0;
        if (up == kAce) expected = 1.0 - 16.0 * decks / left;
        if (up == kTen) expected = 1.0 - 4.0 * decks / left;
        EXPECT_NEAR(outcomes.NoBlackjack(), expected, 1e-12)
            << decks << " decks, up " << up << (hitsSoft17 ? " H17" : " S17");
      }
    }
  }
}

struct SmallShoeCase {
  const char* name;
  int upRank;
  RankCounts shoe;
  std::array<double, 6> expected;  // 17, 18, 19, 20, 21, bust
};

RankCounts Counts(int tens, int fives, int aces) {
  RankCounts counts{};
  counts[kTen] = tens;
  counts[RankOfValue(5)] = fives;
  counts[kAce] = aces;
  return counts;
}

TEST(DealerOutcomes, SmallShoesMatchHandWorkedChances) {
  const SmallShoeCase cases[] = {
      // 6 then a ten is 16, the next ten busts.
      {"only tens under a six", RankOfValue(6), Counts(5, 0, 0), {0, 0, 0, 0, 0, 1}},
      {"only tens under a seven", RankOfValue(7), Counts(5, 0, 0), {1, 0, 0, 0, 0, 0}},
      // Ten hole (2/3): 16, then ten or five alike: bust or 21. Five hole (1/3): 11 + ten.
      {"two tens and a five under a six",
       RankOfValue(6),
       Counts(2, 1, 0),
       {0, 0, 0, 0, 2.0 / 3.0, 1.0 / 3.0}},
      // A ten hole is blackjack and is not played; a five hole (1/2) is soft 16. Then a
      // five (1/3) makes soft 21; a ten (2/3) hard 16, which the last ten busts or the
      // last five makes 21, alike.
      {"ace up, only the five avoids blackjack",
       kAce,
       Counts(2, 2, 0),
       {0, 0, 0, 0, 1.0 / 3.0, 1.0 / 6.0}},
  };
  for (const SmallShoeCase& c : cases) {
    const DealerOutcomes outcomes = DealerTable(c.upRank, false).Outcomes(c.shoe);
    for (int i = 0; i < 6; ++i)
      EXPECT_NEAR(outcomes.chance[i], c.expected[i], 1e-12) << c.name << " " << i;
  }
}

TEST(DealerOutcomes, LargeShoeApproachesTheInfiniteDeck) {
  // Published infinite-deck bust chances with the dealer standing on soft 17.
  EXPECT_NEAR(InfiniteDealer(2, false)[5], 0.3536, 5e-5);
  EXPECT_NEAR(InfiniteDealer(6, false)[5], 0.4232, 5e-5);
  EXPECT_NEAR(InfiniteDealer(7, false)[0], 0.3686, 5e-5);
  for (bool hitsSoft17 : {false, true}) {
    for (int up = 0; up < kRankCount; ++up) {
      const DealerOutcomes outcomes = DealerTable(up, hitsSoft17).Outcomes(ShoeLessUp(8, up));
      const std::array<double, 6> infinite = InfiniteDealer(RankValue(up), hitsSoft17);
      for (int i = 0; i < 6; ++i) {
        EXPECT_NEAR(outcomes.chance[i] / outcomes.NoBlackjack(), infinite[i], 0.006)
            << "up " << up << " outcome " << i;
      }
    }
  }
}

TEST(DealerOutcomes, HittingSoft17MattersOnlyUnderAceToSix) {
  // Soft 17 is an ace and non-aces adding to six: no seven or more can be in it.
  for (int up = 0; up < kRankCount; ++up) {
    const RankCounts shoe = ShoeLessUp(6, up);
    const DealerOutcomes stands = DealerTable(up, false).Outcomes(shoe);
    const DealerOutcomes hits = DealerTable(up, true).Outcomes(shoe);
    if (RankValue(up) <= 6) {
      EXPECT_LT(hits.Final(17), stands.Final(17)) << "up " << up;
    } else {
      EXPECT_EQ(hits.chance, stands.chance) << "up " << up;
    }
    EXPECT_NEAR(hits.NoBlackjack(), stands.NoBlackjack(), 1e-12);
  }
}

}  // namespace
}  // namespace quorvel::analyzer
