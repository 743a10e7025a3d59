// Reading the sessions' walks at common rounds.
#include "runs/walk_band.h"

#include <algorithm>
#include <numeric>

#include "runs/test_figures.h"

namespace quorvel {
namespace {

// The bankroll of a walk after `round`, on the line between its kept points.
double BankrollAt(const std::vector<WalkPoint>& walk, double round) {
  const auto after = std::upper_bound(walk.begin(), walk.end(), round,
                                      [](double r, const WalkPoint& point) { return r < point.round; });
  if (after == walk.end()) return walk.back().bankroll;
  if (after == walk.begin()) return after->bankroll;
  const WalkPoint& before = *(after - 1);
  const double share = (round - before.round) / (after->round - before.round);
  return before.bankroll + share * (after->bankroll - before.bankroll);
}

}  // namespace

WalkBand BandOfWalks(const TestResult& result, std::size_t points) {
  std::vector<const std::vector<WalkPoint>*> walks;
  double longest = 0;
  for (const SessionRecord& session : result.sessions) {
    if (!session.finished || session.marks.walk.empty()) continue;
    walks.push_back(&session.marks.walk);
    longest = std::max(longest, session.marks.walk.back().round);
  }
  WalkBand band;
  if (walks.empty() || points < 2) return band;
  std::vector<double> bankrolls(walks.size());
  for (std::size_t k = 0; k < points; ++k) {
    const double round = longest * static_cast<double>(k) / static_cast<double>(points - 1);
    for (std::size_t i = 0; i < walks.size(); ++i) bankrolls[i] = BankrollAt(*walks[i], round);
    std::sort(bankrolls.begin(), bankrolls.end());
    band.rounds.push_back(round);
    band.mean.push_back(std::accumulate(bankrolls.begin(), bankrolls.end(), 0.0) /
                        static_cast<double>(bankrolls.size()));
    band.low.push_back(Percentile(bankrolls, 5));
    band.high.push_back(Percentile(bankrolls, 95));
  }
  return band;
}

}  // namespace quorvel
