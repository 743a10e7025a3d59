// The plots of a test's results, drawn into Qt Charts from what the core kept and counted.
#pragma once

class QChart;

namespace quorvel {
struct TestResult;
struct WinningsHistogram;
}  // namespace quorvel

namespace quorvel::ui {

// Sessions whose walks are drawn together: more lines, and a legend line for each, would bury
// the plot.
inline constexpr int kWalksShown = 10;

// The bankroll walks of the kWalksShown sessions from `first` (0-based): the system's walk
// solid, its flat-bet twin's dashed in the same colour.
void DrawWalks(QChart& chart, const TestResult& result, int first);
// The finished sessions' winnings: the system's and the twin's counts side by side per bin.
void DrawWinnings(QChart& chart, const WinningsHistogram& histogram);
// Each finished session's largest stake, for the system and for the twin.
void DrawStakes(QChart& chart, const TestResult& result);

}  // namespace quorvel::ui
