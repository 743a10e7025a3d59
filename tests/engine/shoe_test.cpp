// The generator, the swap shuffle, the cut point and where the shoe ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <utility>

#include "engine/shoe.h"
#include "engine/table_engine.h"

namespace quorvel {
namespace {

TEST(ShuffleRandomTest, SeedOneGivesTheDocumentedFirstNumber) {
  ShuffleRandom random;
  random.Seed(1);
  EXPECT_EQ(random.Next(), 346u);
  EXPECT_EQ(random.State(), 0x0000015A00004E36ULL);
}

TEST(ShuffleRandomTest, ResultIsTheHighWordWithoutItsSignBit) {
  ShuffleRandom random;
  random.SetState(0xFFFFFFFFFFFFFFFFULL);
  const uint64_t next = 0xFFFFFFFFFFFFFFFFULL * ShuffleRandom::kMultiplier + 1;
  EXPECT_EQ(random.Next(), static_cast<uint32_t>(next >> 32) & 0x7FFFFFFFu);
}

// The shuffle written out plainly, with an ordinary modulo.
void PlainShuffle(std::array<CardName, kShoeSize>& cards, int decks, ShuffleRandom& random) {
  for (int i = decks * 52 - 1; i >= 0; --i) {
    const uint32_t j = i == 0 ? 1 : 1 + random.Next() % static_cast<uint32_t>(i);
    std::swap(cards[i], cards[j]);
  }
}

TEST(ShoeShuffleTest, ScalarShuffleMatchesThePlainOneAndLeavesItsGeneratorState) {
  // Every deck count, and states with the top bit set, which the scalar
  // shuffle's doubled streams drop and its jump over the pass restores.
  for (int decks = 2; decks <= kMaxDecks; ++decks) {
    for (uint64_t state : {0ULL, 1ULL, 0x8000000000000000ULL, 0xFFFFFFFFFFFFFFFFULL, 0x9E3779B97F4A7C15ULL}) {
      Shoe shoe;
      shoe.SetDecks(decks);
      shoe.SetShuffleVariant(ShuffleVariant::kScalar);
      shoe.Random().SetState(state);
      std::array<CardName, kShoeSize> expected = shoe.cards;
      ShuffleRandom plain;
      plain.SetState(state);
      for (int pass = 0; pass < 2; ++pass) {
        shoe.Shuffle();
        PlainShuffle(expected, decks, plain);
      }
      ASSERT_EQ(shoe.cards, expected) << decks << " decks, state " << state;
      ASSERT_EQ(shoe.Random().State(), plain.State()) << decks << " decks, state " << state;
    }
  }
}

TEST(ShoeShuffleTest, IsAPermutationOfTheShuffledPartAndLeavesTheRestAlone) {
  for (int decks : {2, 3, 6, 8}) {
    Shoe shoe;
    shoe.SetDecks(decks);
    shoe.Random().Seed(static_cast<uint32_t>(decks) * 7919u);
    for (int pass = 0; pass < 20; ++pass) shoe.Shuffle();
    std::map<std::pair<char, char>, int> counts;
    for (int i = 0; i < decks * 52; ++i) ++counts[{shoe.cards[i].rank, shoe.cards[i].suit}];
    EXPECT_EQ(counts.size(), 52u);
    for (const auto& [card, count] : counts) EXPECT_EQ(count, decks);
    for (int i = decks * 52; i < kShoeSize; ++i) EXPECT_EQ(shoe.cards[i], OrderedDeckCard(i % 52));
  }
}

TEST(ShoeShuffleTest, SuccessiveShufflesContinueTheStream) {
  // Reseeding at every shuffle would apply the same permutation again.
  Shoe continuing;
  continuing.Random().Seed(99);
  continuing.Shuffle();
  continuing.Shuffle();
  Shoe reseeded;
  reseeded.Random().Seed(99);
  reseeded.Shuffle();
  reseeded.Random().Seed(99);
  reseeded.Shuffle();
  EXPECT_NE(continuing.cards, reseeded.cards);
}

TEST(ShoeTest, OrderedDeckRunsHeartsDiamondsSpadesClubs) {
  Shoe shoe;
  EXPECT_EQ(shoe.cards[0], (CardName{'2', 'H'}));
  EXPECT_EQ(shoe.cards[12], (CardName{'A', 'H'}));
  EXPECT_EQ(shoe.cards[13], (CardName{'2', 'D'}));
  EXPECT_EQ(shoe.cards[51], (CardName{'A', 'C'}));
  EXPECT_EQ(shoe.cards[104], (CardName{'2', 'H'}));
  EXPECT_EQ(shoe.cards[415], (CardName{'A', 'C'}));
}

TEST(ShoeTest, CutPointFromDecksAndPenetration) {
  struct Case {
    int decks, penetration, cutPoint;
  };
  for (const Case& c : {Case{6, 75, 234}, Case{2, 90, 93}, Case{8, 90, 374}, Case{2, 50, 52},
                        Case{6, 0, 0}}) {
    Shoe shoe;
    shoe.SetDecks(c.decks);
    shoe.SetCutPoint(c.penetration);
    EXPECT_EQ(shoe.cutPoint, c.cutPoint) << c.decks << " decks at " << c.penetration;
  }
}

TEST(ShoeTest, DeckCountsOutsideTheArrayBecomeTwo) {
  for (int decks : {-3, 0, 1, 9, 10, 255}) {
    Shoe shoe;
    shoe.SetDecks(decks);
    EXPECT_EQ(shoe.Decks(), 2) << decks;
  }
}

TEST(ShoeTest, ConvertTensGivesTheValueCharacter) {
  EXPECT_EQ(ConvertTens('A'), ';');
  for (char ten : {'T', 'J', 'Q', 'K'}) EXPECT_EQ(ConvertTens(ten), ':');
  for (char digit = '2'; digit <= '9'; ++digit) EXPECT_EQ(ConvertTens(digit), digit);
}

TEST(DrawCardTest, TheShoeEndsWhereItsShuffledPartEnds) {
  TableEngine engine;
  TableRules rules;
  rules.decks = 2;
  engine.SetRules(rules);
  engine.shoe.Random().Seed(5);
  engine.shoe.drawPosition = 103;
  engine.DrawCard(0);
  EXPECT_EQ(engine.shoe.drawPosition, 104);
  // The ordered cards beyond 104 are not in a 2-deck shoe: the shoe reshuffles
  // and deals its new first card instead.
  engine.DrawCard(1);
  EXPECT_EQ(engine.shoe.drawPosition, 1);
  EXPECT_EQ(engine.hands[1], engine.shoe.cards[0].rank);
}

TEST(DrawCardTest, EndOfRoundCheckReshufflesOnlyPastTheCutPoint) {
  TableEngine engine;
  TableRules rules;
  rules.decks = 6;
  engine.SetRules(rules);
  engine.shoe.SetCutPoint(75);
  engine.shoe.drawPosition = 234;
  const auto before = engine.shoe.cards;
  engine.CheckShoe();
  EXPECT_EQ(engine.shoe.drawPosition, 234);
  EXPECT_EQ(engine.shoe.cards, before);
  engine.shoe.drawPosition = 235;
  engine.CheckShoe();
  EXPECT_EQ(engine.shoe.drawPosition, 0);
  EXPECT_NE(engine.shoe.cards, before);
}

}  // namespace
}  // namespace quorvel
