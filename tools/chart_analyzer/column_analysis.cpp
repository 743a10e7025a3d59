// Choosing every code of one dealer column from the exact values of the choices.
#include "tools/chart_analyzer/column_analysis.h"

#include <algorithm>
#include <vector>

#include "tools/chart_analyzer/dealer_cache.h"
#include "tools/chart_analyzer/hand_values.h"
#include "tools/chart_analyzer/split_value.h"

namespace quorvel::analyzer {

namespace {

struct TotalCodes {
  char withoutSurrender;
  char withSurrender;
};

// The non-pair two-card hands of a total. Pairs have their own row and are
// played by the total only where they are not split.
std::vector<Hand> TwoCardHands(bool soft, int total) {
  std::vector<Hand> hands;
  if (soft) {
    hands.push_back(HandOf(kAce, RankOfValue(total - 11)));
    return hands;
  }
  for (int low = 2; low < total - low && low <= 10; ++low) {
    const int high = total - low;
    if (high <= 10) hands.push_back(HandOf(RankOfValue(low), RankOfValue(high)));
  }
  return hands;
}

// Averages the choices over the hands of a total, weighted by how often each
// is dealt, and picks the code: the best choice, with hit or stand (whichever
// is better) as what a hand that may not double or surrender does instead.
TotalCodes DecideTotal(HandValues& values, const RankCounts& shoe, bool soft, int total,
                       ChoiceValues& average) {
  ChoiceValues sum;
  double played = 0.0;
  for (const Hand& hand : TwoCardHands(soft, total)) {
    // Both cards differ, so the chance of the deal is proportional to this.
    double weight = 1.0;
    for (int rank = 0; rank < kRankCount; ++rank) {
      if (hand.counts[rank] != 0) weight *= shoe[rank];
    }
    sum.stand += weight * values.Stand(hand);
    sum.hit += weight * values.Hit(hand);
    sum.doubleDown += weight * values.Double(hand);
    sum.surrender += weight * values.Surrender(hand);
    played += weight * values.NoBlackjack(hand);
  }
  average = {sum.stand / played, sum.hit / played, sum.doubleDown / played, sum.surrender / played};
  const bool hitBetter = sum.hit > sum.stand;
  const double bestPlain = std::max(sum.hit, sum.stand);
  char code = hitBetter ? 'H' : 'S';
  if (sum.doubleDown > bestPlain) code = hitBetter ? 'D' : 'd';
  char surrenderCode = code;
  if (sum.surrender > std::max(bestPlain, sum.doubleDown)) surrenderCode = hitBetter ? 'R' : 'Q';
  return {code, surrenderCode};
}

double PlayedAsTotal(HandValues& values, const Hand& pair, const ColumnCodes& codes,
                     bool lateSurrender) {
  switch (TwoCardMove(CodeForHand(codes, pair), true, lateSurrender)) {
    case Move::kDouble:
      return values.Double(pair);
    case Move::kSurrender:
      return values.Surrender(pair);
    case Move::kHit:
      return values.Hit(pair);
    default:
      return values.Stand(pair);
  }
}

}  // namespace

ColumnAnalysis AnalyzeColumn(int decks, bool hitsSoft17, int upRank) {
  ColumnAnalysis result;
  result.upRank = upRank;
  RankCounts shoe = FullShoe(decks);
  --shoe[upRank];
  const DealerTable table(upRank, hitsSoft17);
  DealerCache dealer(table);

  // Hands of three or more cards play the same in every variant: "D" and "R"
  // hit, "d" and "Q" stand, so the codes without surrender steer them.
  ColumnCodes play;
  ColumnCodes withSurrender;
  HandValues values(shoe, 0, dealer, play);
  auto decide = [&](bool soft, int total) {
    ChoiceValues& average = soft ? result.soft[total] : result.hard[total];
    const TotalCodes codes = DecideTotal(values, shoe, soft, total, average);
    (soft ? play.soft : play.hard)[total] = codes.withoutSurrender;
    (soft ? withSurrender.soft : withSurrender.hard)[total] = codes.withSurrender;
  };
  // Every hit leads to a total decided before, so values follow later decisions.
  for (int total = 17; total >= 11; --total) decide(false, total);
  for (int total = 20; total >= 13; --total) decide(true, total);
  for (int total = 10; total >= 8; --total) decide(false, total);
  // Soft 12 (an unsplit A,A) shares the hard 17 row.
  play.soft[12] = play.hard[17];
  withSurrender.soft[12] = withSurrender.hard[17];

  for (int pairRank = 0; pairRank < kRankCount; ++pairRank) {
    RankCounts splitShoe = shoe;
    --splitShoe[pairRank];
    HandValues splitValues(splitShoe, RankKey(pairRank), dealer, play);
    const Hand pair = HandOf(pairRank, pairRank);
    for (int noDas = 0; noDas < 2; ++noDas) {
      for (int surrender = 0; surrender < 2; ++surrender) {
        const ColumnCodes& codes = surrender ? withSurrender : play;
        const double played = PlayedAsTotal(values, pair, codes, surrender != 0);
        const double split = SplitValue(splitValues, pairRank, decks, upRank, {codes, noDas == 0});
        const double noBlackjack = values.NoBlackjack(pair);
        const int variant = VariantIndex(noDas != 0, surrender != 0);
        result.pairs[variant][pairRank] = {split / noBlackjack, played / noBlackjack};
        // "N" leaves the hand to its total row, which may surrender it.
        result.cells[variant][PairRow(pairRank)] = split > played ? 'Y' : 'N';
      }
    }
  }

  for (int variant = 0; variant < kRuleVariants; ++variant) {
    const ColumnCodes& codes = (variant % 2 == 1) ? withSurrender : play;
    for (int total = 20; total >= 13; --total)
      result.cells[variant][SoftRow(total)] = codes.soft[total];
    for (int total = 17; total >= 8; --total)
      result.cells[variant][HardRow(total)] = codes.hard[total];
  }
  return result;
}

}  // namespace quorvel::analyzer
