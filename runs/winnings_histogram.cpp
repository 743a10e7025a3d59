// Counting session winnings in shared bins.
#include "runs/winnings_histogram.h"

#include <algorithm>
#include <cmath>

#include "runs/figures_text.h"

namespace quorvel {
namespace {

// The smallest of 1, 2, 5 times a power of ten that is at least `step`.
double RoundStep(double step) {
  const double power = std::pow(10.0, std::floor(std::log10(step)));
  for (double factor : {1.0, 2.0, 5.0}) {
    if (factor * power >= step) return factor * power;
  }
  return 10 * power;
}

}  // namespace

WinningsHistogram HistogramOfWinnings(const TestResult& result) {
  std::vector<double> system;
  std::vector<double> flat;
  for (const SessionRecord& session : result.sessions) {
    if (!session.finished) continue;
    system.push_back(session.bankroll - result.startingBankroll);
    flat.push_back(session.flatBankroll - result.startingBankroll);
  }
  WinningsHistogram histogram;
  if (system.empty()) return histogram;
  const auto [systemLow, systemHigh] = std::minmax_element(system.begin(), system.end());
  const auto [flatLow, flatHigh] = std::minmax_element(flat.begin(), flat.end());
  const double lowest = std::min(*systemLow, *flatLow);
  const double highest = std::max(*systemHigh, *flatHigh);
  const double bins = std::ceil(std::log2(static_cast<double>(system.size()))) + 1;
  // Bins are whole dollars wide, so their edges read exactly; sessions that all won the same
  // get one bin.
  histogram.width = highest > lowest ? std::max(1.0, RoundStep((highest - lowest) / bins)) : 1;
  histogram.low = std::floor(lowest / histogram.width) * histogram.width;
  const auto count = static_cast<std::size_t>(std::floor((highest - histogram.low) / histogram.width)) + 1;
  histogram.system.assign(count, 0);
  histogram.flat.assign(count, 0);
  auto binOf = [&](double value) {
    const auto bin = static_cast<std::size_t>(std::floor((value - histogram.low) / histogram.width));
    return std::min(bin, count - 1);
  };
  for (double value : system) ++histogram.system[binOf(value)];
  for (double value : flat) ++histogram.flat[binOf(value)];
  return histogram;
}

std::string BinText(const WinningsHistogram& histogram, std::size_t bin) {
  const double from = histogram.low + static_cast<double>(bin) * histogram.width;
  return FixedText(from, 0) + " to " + FixedText(from + histogram.width, 0);
}

}  // namespace quorvel
