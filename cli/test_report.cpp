// What quorvel-cli prints and writes after a test.
#include "cli/test_report.h"

#include <charconv>

#include "cli/figure_table.h"
#include "runs/format_totals.h"
#include "runs/general_text.h"
#include "runs/money_figures.h"

namespace quorvel::cli {

double WallTime(const TestRun& run) {
  return static_cast<double>(static_cast<int64_t>(run.seconds * 1000)) / 1000;
}

int64_t RoundsPerSecond(const TestRun& run) {
  return run.seconds > 0 ? static_cast<int64_t>(run.result.handsPlayed / run.seconds) : 0;
}

float WinningsPerRound(const TestResult& result) {
  return result.handsPlayed > 0 ? static_cast<float>(result.winnings / result.handsPlayed) : 0.0f;
}

void PrintReport(std::ostream& out, const TestRun& run) {
  if (PlanHasLog(run.plan)) {
    out << kLogHeader << '\n';
    const auto& lines = run.log.Lines();
    size_t last = lines.size();
    while (last > 0 && lines[last - 1].empty()) --last;
    for (size_t i = 0; i < last; ++i) out << lines[i] << '\n';
    out << '\n';
  }
  const TestResult& result = run.result;
  if (result.stopped) {
    const int unfinished = run.plan.sessions - result.sessionsFinished;
    out << "Stopped: " << result.sessionsFinished << " of " << run.plan.sessions
        << " sessions finished.\n"
        << "The log counts the " << unfinished << " unfinished as rows of 0, averages included;"
        << " the figures below include the " << GeneralText(result.unfinishedRounds)
        << " rounds they played.\n";
  }
  out << "Rounds:               " << GeneralText(result.handsPlayed) << '\n'
      << "Seed:                 " << run.plan.seed << '\n'
      << "Threads:              " << run.threads << '\n'
      << "Wall time:            " << GeneralText(WallTime(run)) << " s\n"
      << "Rounds per second:    " << GeneralText(static_cast<double>(RoundsPerSecond(run))) << '\n'
      << "W/L per hand:         " << FormatTotals(kDollarForm, WinningsPerRound(result)) << '\n'
      << "Total bet:            " << FormatTotals(kDollarForm, result.totalBet) << '\n';
  if (const auto perDollar = WinningsPerDollarBet(result.winnings, 0, result.totalBet)) {
    out << "Winnings / total bet: " << FormatTotals(kRatioForm, *perDollar) << '\n';
  }
  out << "Hands won / lost:     " << result.handsWon << " / " << result.handsLost << '\n'
      << "Settings:             " << run.settingsName << '\n'
      << '\n';
  PrintFigures(out, run.figures);
}

std::string TraceRows(std::size_t number, const SessionRecord& session) {
  std::string text;
  text.reserve(session.trace.size() * 40);
  // Each row is written into one buffer and appended whole: no string per field.
  constexpr int kIntegerMax = 24;
  char row[3 * kIntegerMax + 4 * kGeneralTextMax + 8];
  for (const TraceRow& trace : session.trace) {
    char* at = std::to_chars(row, row + kIntegerMax, number).ptr;
    *at++ = ',';
    at = std::to_chars(at, at + kIntegerMax, trace.round).ptr;
    for (double field : {static_cast<double>(trace.net), static_cast<double>(trace.stake), trace.bankroll,
                         static_cast<double>(trace.betUnits)}) {
      *at++ = ',';
      at = WriteGeneralText(at, field);
    }
    *at++ = ',';
    if (trace.rule >= 0) at = std::to_chars(at, at + kIntegerMax, trace.rule).ptr;
    *at++ = '\n';
    text.append(row, at);
  }
  return text;
}

}  // namespace quorvel::cli
