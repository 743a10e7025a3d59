// Working out the hourly figures of a test.
#include "runs/hourly_figures.h"

#include <cmath>
#include <numeric>

namespace quorvel {

HourlyFigures PerHour(const std::vector<double>& rounds, const std::vector<double>& winnings,
                      double roundsPerHour) {
  HourlyFigures figures;
  const double hours = std::accumulate(rounds.begin(), rounds.end(), 0.0) / roundsPerHour;
  figures.hours = hours;
  if (hours <= 0) return figures;
  figures.winningsPerHour = std::accumulate(winnings.begin(), winnings.end(), 0.0) / hours;
  const std::size_t n = rounds.size();
  if (n < 2) return figures;
  // A session of h hours has a variance of h times that of one hour: the
  // squared residuals summed over the hours played estimate it.
  double squares = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const double residual = winnings[i] - figures.winningsPerHour * rounds[i] / roundsPerHour;
    squares += residual * residual;
  }
  const double sessions = static_cast<double>(n);
  figures.standardDeviationPerHour = std::sqrt(squares / hours * sessions / (sessions - 1));
  return figures;
}

}  // namespace quorvel
