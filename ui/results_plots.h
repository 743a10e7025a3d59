// The plots of a test's results, drawn into Qt Charts from what the core kept and counted.
// Each plot is one function that draws a new chart into its view; what they share (axes, titles) is in plot_axes.
#pragma once

#include <QString>
#include <cstddef>
#include <span>
#include <vector>

class QChartView;

namespace quorvel {
struct ComparedSystem;
struct TestResult;
struct WinningsHistogram;
}  // namespace quorvel

namespace quorvel::ui {

// Sessions whose walks are drawn together: more lines, and a legend line for each, would bury
// the plot.
inline constexpr int kWalksShown = 10;

// The sessions the figures cover: those that finished (0-based indices, in order). A stopped
// test's unfinished and unplayed sessions are in no plot.
std::vector<std::size_t> FinishedSessions(const TestResult& result);
// The pages of walks, kWalksShown finished sessions each, named by their first and last
// session: "1 to 10".
std::vector<QString> WalkPages(const TestResult& result);

// The bankroll walks of the finished sessions on page `page`: the system's walk solid, its
// flat-bet twin's dashed in the same colour.
void DrawWalks(QChartView& view, const TestResult& result, int page);
// The finished sessions' winnings: the system's and the twin's counts side by side per bin.
void DrawWinnings(QChartView& view, const WinningsHistogram& histogram);
// Each finished session's largest stake, for the system and for the twin.
void DrawStakes(QChartView& view, const TestResult& result);
// The share of sessions that go broke against the starting bankroll, for the
// system and the twin, with the test's bankroll marked.
void DrawRuinRisk(QChartView& view, const TestResult& result);

// Systems compared, a colour each: their finished sessions per bin of winnings, in bins
// they all share, a bar of each system side by side.
void DrawComparedWinnings(QChartView& view, std::span<const ComparedSystem> systems);
// The risk of ruin against the starting bankroll of each system; the twin's
// once, dashed, when the twins agree.
void DrawComparedRuinRisk(QChartView& view, std::span<const ComparedSystem> systems, bool twinOnce);
// Each system's mean bankroll walk with the band that holds 90 % of its sessions.
void DrawComparedWalks(QChartView& view, std::span<const ComparedSystem> systems);

}  // namespace quorvel::ui
