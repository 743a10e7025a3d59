// The figures of a test as lines of text, the same on the screen and on the command line.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "runs/test_figures.h"

namespace quorvel {

// What a figure that the settings leave without meaning shows instead.
inline constexpr const char* kNotAvailable = "not available (the unit is a percent of the bankroll)";

struct FigureLine {
  std::string label;
  std::string text;
  bool money = false;  // its numbers are dollars
};

// Fixed decimals, independent of the process locale: FixedText(-1.005, 2) is "-1.00" or "-1.01"
// as the double rounds, never "-1,00".
std::string FixedText(double value, int decimals);
// "-0.02345 (-0.03012 to -0.01678)"; the interval is left out when there is none.
std::string EstimateText(const Estimate& estimate, int decimals);

// One betting system's figures; the labels and their order do not depend on the values,
// so the lines of several systems sit side by side.
std::vector<FigureLine> SystemLines(const SystemFigures& figures);
// The figures of the test as a whole: the comparison with the twin, streaks and session ends.
std::vector<FigureLine> TestLines(const TestFigures& figures);

// A figure's text as a reader sees it on the screen: thousands separated by commas, and
// with `money` a dollar sign on each number: ScreenText("-49860.00 / 2.5", true) is
// "-$49,860.00 / $2.5".
std::string ScreenText(const std::string& text, bool money);

// The statistics panel's two message lines after STOP: how many sessions finished, and where
// their figures are.
std::array<std::string, 2> StoppedTestMessage(const TestResult& result);

// A CSV field: quoted, with its quotes doubled, when it holds a comma, a quote or a line break.
std::string CsvField(const std::string& text);

// Every figure as CSV (figure,system,flat) in shortest exact form, so reading it back
// gives every digit the screen shows.
std::string FiguresCsv(const TestFigures& figures);
// One row per session with every per-session figure; sessions are numbered from 1.
inline constexpr const char* kSessionsCsvHeading =
    "session,finished,end,rounds,winnings,total_bet,hands_won,hands_lost,largest_stake,"
    "largest_drawdown,ruined,longest_losing_streak,flat_unit,flat_winnings,flat_total_bet,"
    "flat_largest_drawdown,flat_ruined,required_bankroll\n";
// `frame` gives the starting bankroll and whether the unit is a percent (no required bankroll then).
std::string SessionCsvRow(std::size_t number, const SessionRecord& record, const TestResult& frame);
std::string SessionsCsv(const TestResult& result);
// The kept bankroll walks, one row a point: session, walk (system or flat), round, bankroll.
inline constexpr const char* kWalksCsvHeading = "session,walk,round,bankroll\n";
std::string WalkCsvRows(std::size_t number, const SessionRecord& record);
std::string WalksCsv(const TestResult& result);

}  // namespace quorvel
