// TestLog: starting a test's page and building its session rows and summary.
#include "runs/test_log.h"

#include <algorithm>
#include <utility>

#include "runs/get_pos.h"
#include "runs/wrapping_int32.h"

namespace quorvel {

namespace {

constexpr std::size_t kRowBlanks = 49;
// Columns: each number ends on the character before its column.
constexpr int8_t kSessionColumn = 4;
constexpr int8_t kLowColumn = 16;
constexpr int8_t kLowHandColumn = 24;
constexpr int8_t kHighColumn = 33;
constexpr int8_t kHighHandColumn = 42;
constexpr int8_t kWinningsColumn = 55;
constexpr int8_t kSummaryColumn = 38;

std::string SummaryLine(std::string_view prefix, int32_t value) {
  std::string line(prefix);
  GetPos(line, value, kSummaryColumn);
  return line;
}

}  // namespace

std::optional<std::string> TestLog::Start(int32_t sessions) {
  if (sessions < kFirstSessionRow || sessions > kLastSessionRow) {
    return "The number of sessions must be from 1 to 99 (the log holds 99 sessions).";
  }
  lines.fill(std::string());
  logLine = sessions + 1;
  logBuilt = false;
  summary = LogSummary{};
  return std::nullopt;
}

bool TestLog::Review(const SessionStats& stats) {
  if (logBuilt) return true;
  if (logLine < 2) return false;

  logBuilt = true;
  int32_t sumLow = 0;
  int32_t sumHigh = 0;
  int32_t sumWin = 0;
  int32_t potential = 0;
  int32_t row = kFirstSessionRow;
  // Start keeps logLine within 100, so the row bound only guards the tables.
  for (; row < logLine && row <= kLastSessionRow; ++row) {
    const auto index = static_cast<std::size_t>(row);
    std::string line(kRowBlanks, ' ');
    GetPos(line, row, kSessionColumn);
    GetPos(line, stats.sessionMaxLow[index], kLowColumn);
    GetPos(line, stats.sessionMaxLowHand[index], kLowHandColumn);
    GetPos(line, stats.sessionMaxHigh[index], kHighColumn);
    GetPos(line, stats.sessionMaxHighHand[index], kHighHandColumn);
    GetPos(line, stats.sessionWinnings[index], kWinningsColumn);
    sumLow = Wrap32(static_cast<int64_t>(sumLow) + stats.sessionMaxLow[index]);
    sumHigh = Wrap32(static_cast<int64_t>(sumHigh) + stats.sessionMaxHigh[index]);
    sumWin = Wrap32(static_cast<int64_t>(sumWin) + stats.sessionWinnings[index]);
    potential = Wrap32(static_cast<int64_t>(potential) + stats.sessionMaxHigh[index] -
                       stats.startDollars);
    SetLine(row, std::move(line));
  }
  const int32_t sessions = row - 1;
  // Integer averages truncate toward zero; no rows (never after Start) averages to 0.
  const auto average = [sessions](int32_t sum) { return sessions == 0 ? 0 : sum / sessions; };
  const auto fromStart = [&stats](int32_t dollars) {
    return Wrap32(static_cast<int64_t>(dollars) - stats.startDollars);
  };

  summary = {sumWin, average(sumWin), fromStart(average(sumHigh)), fromStart(average(sumLow)),
             potential};

  SetLine(logLine, std::string(26, '_'));
  logLine += 1;
  SetLine(logLine, SummaryLine("Total Winnings               $      ", summary.totalWinnings));
  logLine += 2;
  SetLine(logLine, SummaryLine("Average Winnings Per Session $      ", summary.averageWinnings));
  logLine += 1;
  SetLine(logLine, SummaryLine("Average Max High             $     ", summary.averageMaxHigh));
  logLine += 1;
  SetLine(logLine, SummaryLine("Average Max Low              $     ", summary.averageMaxLow));
  logLine += 1;
  SetLine(logLine, SummaryLine("Max Potential Winnings       $     ", summary.maxPotentialWinnings));
  logLine += 1;
  return true;
}

void TestLog::SetLine(int32_t line, std::string text) {
  if (line < 0 || line >= static_cast<int32_t>(kLogPageLines)) return;
  lines[static_cast<std::size_t>(line)] = std::move(text);
}

}  // namespace quorvel
