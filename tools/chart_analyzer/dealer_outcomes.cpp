// The dealer's drawing tree for one up card and its evaluation over a shoe.
#include "tools/chart_analyzer/dealer_outcomes.h"

#include <unordered_map>

namespace quorvel::analyzer {

namespace {

// The hole card that would make a dealer blackjack with this up card, or -1.
int BlackjackHoleRank(int upRank) {
  if (upRank == kAce) return kTen;
  if (upRank == kTen) return kAce;
  return -1;
}

}  // namespace

double DealerOutcomes::NoBlackjack() const {
  double sum = 0.0;
  for (double c : chance) sum += c;
  return sum;
}

double NoBlackjackChance(const RankCounts& shoe, int upRank) {
  const int hole = BlackjackHoleRank(upRank);
  if (hole < 0) return 1.0;
  return 1.0 - static_cast<double>(shoe[hole]) / CardTotal(shoe);
}

DealerTable::DealerTable(int upRank, bool hitsSoft17) : upRank_(upRank) {
  State root;
  root.hard = RankValue(upRank);
  root.hasAce = upRank == kAce;
  states_.push_back(root);
  std::unordered_map<std::uint64_t, int> index{{0, 0}};
  const int blackjackHole = BlackjackHoleRank(upRank);

  // Breadth first: states are appended in order of cards drawn.
  for (std::size_t i = 0; i < states_.size(); ++i) {
    const State current = states_[i];  // a copy: appending may move the states
    for (int rank = 0; rank < kRankCount; ++rank) {
      if (i == 0 && rank == blackjackHole) {
        states_[i].next[rank] = kBlocked;
        continue;
      }
      const int hard = current.hard + RankValue(rank);
      const bool hasAce = current.hasAce || rank == kAce;
      const bool soft = hasAce && hard + 10 <= 21;
      const int total = soft ? hard + 10 : hard;
      int link;
      if (total > 21) {
        link = FinalLink(DealerOutcomes::kBust);
      } else if (total > 17 || (total == 17 && !(soft && hitsSoft17))) {
        link = FinalLink(total - 17);
      } else {
        std::uint64_t key = 0;
        State next = current;
        ++next.drawn[rank];
        ++next.drawnCount;
        next.hard = hard;
        next.hasAce = hasAce;
        for (int r = 0; r < kRankCount; ++r) key += next.drawn[r] * RankKey(r);
        auto [found, added] = index.try_emplace(key, static_cast<int>(states_.size()));
        if (added) states_.push_back(next);
        link = found->second;
      }
      states_[i].next[rank] = link;
    }
  }
}

DealerOutcomes DealerTable::Outcomes(const RankCounts& shoe) const {
  DealerOutcomes outcomes;
  std::vector<double> reach(states_.size(), 0.0);
  reach[0] = 1.0;
  const int shoeSize = CardTotal(shoe);
  for (std::size_t i = 0; i < states_.size(); ++i) {
    const double here = reach[i];
    if (here == 0.0) continue;
    const State& state = states_[i];
    const double perCard = here / (shoeSize - state.drawnCount);
    for (int rank = 0; rank < kRankCount; ++rank) {
      const int left = shoe[rank] - state.drawn[rank];
      const int link = state.next[rank];
      if (left <= 0 || link == kBlocked) continue;
      const double chance = perCard * left;
      if (link >= 0) {
        reach[link] += chance;
      } else {
        outcomes.chance[-1 - link] += chance;
      }
    }
  }
  return outcomes;
}

}  // namespace quorvel::analyzer
