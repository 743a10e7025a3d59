// Working out required bankrolls and the bankroll for a given risk of ruin.
#include "runs/required_bankroll.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace quorvel {

double RequiredBankroll(double start, double leastCover) {
  // A bankroll B covers every stake when B - start + cover >= 0 for each round.
  return std::max(0.0, std::ceil(start - leastCover));
}

double RuinRiskAt(const std::vector<double>& required, double bankroll) {
  if (required.empty()) return 0;
  const auto broke = std::count_if(required.begin(), required.end(),
                                   [bankroll](double need) { return need > bankroll; });
  return static_cast<double>(broke) / static_cast<double>(required.size());
}

std::vector<RuinPoint> RuinRiskSteps(std::vector<double> required) {
  std::sort(required.begin(), required.end());
  const double sessions = static_cast<double>(required.size());
  std::vector<RuinPoint> steps;
  std::size_t covered = 0;  // sessions needing no more than the bankroll
  while (covered < required.size() && required[covered] <= 0) ++covered;
  double risk = sessions > 0 ? static_cast<double>(required.size() - covered) / sessions : 0;
  steps.push_back({0, risk});
  while (covered < required.size()) {
    const double need = required[covered];
    while (covered < required.size() && required[covered] == need) ++covered;
    steps.push_back({need, risk});
    risk = static_cast<double>(required.size() - covered) / sessions;
    steps.push_back({need, risk});
  }
  return steps;
}

double BankrollForRuinRisk(std::vector<double> required, int percent) {
  // At most `allowed` sessions may need more than the answer; counted in whole
  // numbers, so that 5 % of 99 sessions is 4 and never a rounding of 4.95.
  const std::size_t allowed = static_cast<std::size_t>(percent) * required.size() / 100;
  if (allowed >= required.size()) return 0;
  std::nth_element(required.begin(), required.begin() + static_cast<std::ptrdiff_t>(allowed),
                   required.end(), std::greater<>());
  return required[allowed];
}

RuinRiskBankrolls BankrollsForRuinRisks(const std::vector<double>& required, bool available) {
  RuinRiskBankrolls figures;
  figures.available = available;
  if (!available) return figures;
  for (std::size_t i = 0; i < kRuinRiskPercents.size(); ++i) {
    figures.bankroll[i] = BankrollForRuinRisk(required, kRuinRiskPercents[i]);
  }
  return figures;
}

}  // namespace quorvel
