// Dealer outcomes remembered per set of cards taken from the shoe.
#pragma once

#include <cstdint>
#include <unordered_map>

#include "tools/chart_analyzer/dealer_outcomes.h"

namespace quorvel::analyzer {

// One dealer up card over one shoe: the many player hands that take the same
// cards out of the shoe share one dealer computation.
class DealerCache {
 public:
  explicit DealerCache(const DealerTable& table) : table_(table) {}

  // `removedKey` names the cards taken after the up card; `shoe` is what is left.
  const DealerOutcomes& Outcomes(std::uint64_t removedKey, const RankCounts& shoe) {
    auto found = known_.find(removedKey);
    if (found == known_.end()) {
      found = known_.emplace(removedKey, table_.Outcomes(shoe)).first;
    }
    return found->second;
  }

  int UpRank() const { return table_.UpRank(); }

 private:
  const DealerTable& table_;
  std::unordered_map<std::uint64_t, DealerOutcomes> known_;
};

}  // namespace quorvel::analyzer
