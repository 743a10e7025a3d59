// The plots of a test's results, drawn into Qt Charts from what the core kept and counted.
#pragma once

#include <vector>

class QChart;

namespace quorvel {
struct ComparedSystem;
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
// The share of sessions that go broke against the starting bankroll, for the
// system and the twin, with the test's bankroll marked.
void DrawRuinRisk(QChart& chart, const TestResult& result);

// Systems compared, a colour each: the share of sessions that won at most a
// given amount, overlaid.
void DrawComparedWinnings(QChart& chart, const std::vector<ComparedSystem>& systems);
// The risk of ruin against the starting bankroll of each system; the twin's
// once, dashed, when the twins agree.
void DrawComparedRuinRisk(QChart& chart, const std::vector<ComparedSystem>& systems, bool twinOnce);
// Each system's mean bankroll walk with the band that holds 90 % of its sessions.
void DrawComparedWalks(QChart& chart, const std::vector<ComparedSystem>& systems);

}  // namespace quorvel::ui
