// Session winnings of a test counted in bins, the system and its flat-bet twin in the same bins.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "runs/test_runner.h"

namespace quorvel {

struct WinningsHistogram {
  double low = 0;    // the left edge of the first bin
  double width = 1;  // every bin is [low + k * width, low + (k + 1) * width)
  std::vector<int> system;  // sessions per bin
  std::vector<int> flat;
};

// The finished sessions' winnings in bins of a round width (1, 2 or 5 times a power of ten)
// that cover both the system's and the twin's; about one bin more than log2 of the sessions,
// so a hundred sessions get some eight bins.
WinningsHistogram HistogramOfWinnings(const TestResult& result);

// "-200 to -100": a bin's edges in whole dollars.
std::string BinText(const WinningsHistogram& histogram, std::size_t bin);

}  // namespace quorvel
