// Splitting a pair, with the engine's resplits and split-hand rules.
#include "tools/chart_analyzer/split_value.h"

namespace quorvel::analyzer {

namespace {

constexpr int kMaxHands = 4;

double ResplitFrom(int hands, int waiting, double q, double finished, double pairStand) {
  if (waiting == 0) return 0.0;
  const double other =
      (1.0 - q) * (finished + ResplitFrom(hands, waiting - 1, q, finished, pairStand));
  const double pair =
      hands < kMaxHands ? q * ResplitFrom(hands + 1, waiting + 1, q, finished, pairStand)
                        : q * (pairStand + ResplitFrom(hands, waiting - 1, q, finished, pairStand));
  return other + pair;
}

// A split hand's first decision: no blackjack (a two-card 21 simply wins), no
// surrender, and doubling only where the rule allows it.
double SplitHandValue(HandValues& values, const Hand& hand, const SplitPlay& play) {
  if (hand.Total() == 21) return values.SureWin(hand);
  switch (TwoCardMove(CodeForHand(play.codes, hand), play.doubleAfterSplit, false)) {
    case Move::kDouble:
      return values.Double(hand);
    case Move::kHit:
      return values.Hit(hand);
    default:
      return values.Stand(hand);
  }
}

// Ten-value cards pair only with the same character (K,K, not K,Q): the share
// of the remaining tens that match the pair's character.
double SameTenShare(int decks, int upRank, int tensLeft) {
  const double perCharacter = 4.0 * decks;
  const double allTens = 16.0 * decks;
  double same = perCharacter - 2.0;
  // A ten up card is of the pair's character in proportion to what is left of it.
  if (upRank == kTen) same -= (perCharacter - 2.0) / (allTens - 2.0);
  return same / tensLeft;
}

}  // namespace

double ResplitTotal(double pairChance, double finishedValue, double pairStandValue) {
  return ResplitFrom(2, 2, pairChance, finishedValue, pairStandValue);
}

double SplitValue(HandValues& splitShoe, int pairRank, int decks, int upRank,
                  const SplitPlay& play) {
  const Hand first = Hand{}.With(pairRank);
  if (pairRank == kAce) {
    // Split aces take one card each and stand; an ace and a ten simply win.
    double one = 0.0;
    for (int rank = 0; rank < kRankCount; ++rank) {
      const double chance = splitShoe.DrawChance(first, rank);
      if (chance == 0.0) continue;
      const Hand hand = first.With(rank);
      one += chance * (hand.Total() == 21 ? splitShoe.SureWin(hand) : splitShoe.Stand(hand));
    }
    return 2.0 * one;
  }
  double otherCards = 0.0;
  for (int rank = 0; rank < kRankCount; ++rank) {
    if (rank == pairRank) continue;
    const double chance = splitShoe.DrawChance(first, rank);
    if (chance == 0.0) continue;
    otherCards += chance * SplitHandValue(splitShoe, first.With(rank), play);
  }
  const Hand pair = first.With(pairRank);
  const double pairCardChance = splitShoe.DrawChance(first, pairRank);
  double q = pairCardChance;
  if (pairRank == kTen) q *= SameTenShare(decks, upRank, splitShoe.Left(first)[kTen]);
  // A pair at four hands stands on its two cards; an unmatched ten stands on 20 too.
  const double pairStand = splitShoe.Stand(pair);
  const double finished = (otherCards + (pairCardChance - q) * pairStand) / (1.0 - q);
  return ResplitTotal(q, finished, pairStand);
}

}  // namespace quorvel::analyzer
