// Hand-worked log pages shared by the log tests: the two-session test and its expected lines.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "runs/session_stats.h"
#include "runs/test_log.h"

namespace quorvel::testing {

// A line of `length` characters, blank except for each text starting at its 1-based character.
inline std::string Runs(std::size_t length,
                        const std::vector<std::pair<std::size_t, std::string>>& runs) {
  std::string line(length, ' ');
  for (const auto& [start, text] : runs) line.replace(start - 1, text.size(), text);
  return line;
}

// Start 1000; session 1: low 950 at hand 12, high 1100 at hand 40, ends at 950;
// session 2: low 900 at hand 77, high 1020 at hand 3, ends at 1010.
inline SessionStats TwoSessionStats() {
  SessionStats stats;
  stats.startDollars = 1000;
  stats.sessionMaxLow[1] = 950;
  stats.sessionMaxLowHand[1] = 12;
  stats.sessionMaxHigh[1] = 1100;
  stats.sessionMaxHighHand[1] = 40;
  stats.sessionWinnings[1] = -50;
  stats.sessionMaxLow[2] = 900;
  stats.sessionMaxLowHand[2] = 77;
  stats.sessionMaxHigh[2] = 1020;
  stats.sessionMaxHighHand[2] = 3;
  stats.sessionWinnings[2] = 10;
  return stats;
}

// Worked by hand from the column rule: each number ends on the character before its column;
// the 36-character summary prefixes take a 3-character value at characters 35 to 37, the
// 35-character ones likewise, and a 2-character value is appended at 36 to 37.
inline std::array<std::string, kLogPageLines> TwoSessionPage() {
  std::array<std::string, kLogPageLines> page{};
  page[1] = Runs(64, {{3, "1"}, {13, "950"}, {22, "12"}, {29, "1100"}, {40, "40"}, {52, "-50"}});
  page[2] = Runs(62, {{3, "2"}, {13, "900"}, {22, "77"}, {29, "1020"}, {41, "3"}, {53, "10"}});
  page[3] = "__________________________";
  page[4] = Runs(39, {{1, "Total Winnings"}, {30, "$"}, {35, "-40"}});
  page[6] = Runs(39, {{1, "Average Winnings Per Session"}, {30, "$"}, {35, "-20"}});
  page[7] = Runs(37, {{1, "Average Max High"}, {30, "$"}, {36, "60"}});
  page[8] = Runs(38, {{1, "Average Max Low"}, {30, "$"}, {35, "-75"}});
  page[9] = Runs(38, {{1, "Max Potential Winnings"}, {30, "$"}, {35, "120"}});
  return page;
}

}  // namespace quorvel::testing
