// The figures of a test in hours of play at a given rate of rounds per hour.
#pragma once

#include <vector>

namespace quorvel {

inline constexpr double kDefaultRoundsPerHour = 100;

struct HourlyFigures {
  double hours = 0;
  double winningsPerHour = 0;
  // Of the winnings of one hour: the sessions' spread around the mean rate,
  // weighted by their length, so sessions of unequal length count fairly.
  double standardDeviationPerHour = 0;
};

// From each session's rounds and winnings, at `roundsPerHour` (above 0).
HourlyFigures PerHour(const std::vector<double>& rounds, const std::vector<double>& winnings,
                      double roundsPerHour);

}  // namespace quorvel
