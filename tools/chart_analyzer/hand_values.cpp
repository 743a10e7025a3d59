// Expected values of the player's choices over a finite shoe.
#include "tools/chart_analyzer/hand_values.h"

namespace quorvel::analyzer {

HandValues::HandValues(const RankCounts& shoe, std::uint64_t setAsideKey, DealerCache& dealer,
                       const ColumnCodes& play)
    : shoe_(shoe), setAsideKey_(setAsideKey), dealer_(dealer), play_(play) {}

RankCounts HandValues::Left(const Hand& hand) const {
  RankCounts left = shoe_;
  for (int rank = 0; rank < kRankCount; ++rank) left[rank] -= hand.counts[rank];
  return left;
}

double HandValues::NoBlackjack(const Hand& hand) const {
  return NoBlackjackChance(Left(hand), dealer_.UpRank());
}

double HandValues::DrawChance(const Hand& hand, int rank) const {
  const RankCounts left = Left(hand);
  return left[rank] > 0 ? static_cast<double>(left[rank]) / CardTotal(left) : 0.0;
}

double HandValues::Stand(const Hand& hand) {
  const RankCounts left = Left(hand);
  const int total = hand.Total();
  if (total > 21) return -NoBlackjackChance(left, dealer_.UpRank());
  const DealerOutcomes& dealer = dealer_.Outcomes(setAsideKey_ + hand.key, left);
  double value = dealer.chance[DealerOutcomes::kBust];
  for (int final = 17; final <= 21; ++final) {
    if (final < total) value += dealer.Final(final);
    if (final > total) value -= dealer.Final(final);
  }
  return value;
}

double HandValues::Hit(const Hand& hand) {
  const RankCounts left = Left(hand);
  const double size = CardTotal(left);
  double value = 0.0;
  for (int rank = 0; rank < kRankCount; ++rank) {
    if (left[rank] <= 0) continue;
    value += left[rank] / size * PlayOn(hand.With(rank));
  }
  return value;
}

double HandValues::Double(const Hand& hand) {
  const RankCounts left = Left(hand);
  const double size = CardTotal(left);
  double value = 0.0;
  for (int rank = 0; rank < kRankCount; ++rank) {
    if (left[rank] <= 0) continue;
    value += left[rank] / size * Stand(hand.With(rank));
  }
  return 2.0 * value;
}

double HandValues::Surrender(const Hand& hand) const { return -0.5 * NoBlackjack(hand); }

double HandValues::SureWin(const Hand& hand) const { return NoBlackjack(hand); }

double HandValues::PlayOn(const Hand& hand) {
  if (hand.Total() > 21) return Stand(hand);
  auto found = playOnMemo_.find(hand.key);
  if (found != playOnMemo_.end()) return found->second;
  const double value = HitsAfterTwoCards(CodeForHand(play_, hand)) ? Hit(hand) : Stand(hand);
  playOnMemo_.emplace(hand.key, value);
  return value;
}

}  // namespace quorvel::analyzer
