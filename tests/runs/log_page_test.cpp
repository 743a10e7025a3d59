// The log page: the row a finished session fills, starting a test's page, building rows and
// summary once, the worked examples, and saving the page in CR LF lines over an old file.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "file_faults.h"
#include "log_page_example.h"
#include "runs/log_file.h"
#include "runs/session_stats.h"
#include "runs/test_log.h"

namespace quorvel {
namespace {

// high, high hand, low, low hand, winnings of a row
std::array<int32_t, 5> Row(const SessionStats& s, std::size_t row) {
  return {s.sessionMaxHigh[row], s.sessionMaxHighHand[row], s.sessionMaxLow[row],
          s.sessionMaxLowHand[row], s.sessionWinnings[row]};
}

TEST(LogHighLow, SessionsFillRowsInOrderAndALaterTestOnlyItsOwn) {
  SessionStats stats;
  stats.startDollars = 1000;
  // A 3-session test: logLine 4, sessionsLeft 3, 2, 1.
  ASSERT_TRUE(LogHighLow(stats, 4, 950, 1100, 40, 950, 12, 3));
  ASSERT_TRUE(LogHighLow(stats, 4, 1010, 1020, 3, 900, 77, 2));
  ASSERT_TRUE(LogHighLow(stats, 4, 1200, 1250, 500, 990, 2, 1));
  // Then a 1-session test from 500.
  stats.startDollars = 500;
  ASSERT_TRUE(LogHighLow(stats, 2, 450, 510, 1, 440, 6, 1));
  EXPECT_EQ(Row(stats, 0), (std::array<int32_t, 5>{}));
  EXPECT_EQ(Row(stats, 1), (std::array<int32_t, 5>{510, 1, 440, 6, -50}));
  EXPECT_EQ(Row(stats, 2), (std::array<int32_t, 5>{1020, 3, 900, 77, 10}));
  EXPECT_EQ(Row(stats, 3), (std::array<int32_t, 5>{1250, 500, 990, 2, 200}));
  // Row 99 is the last row; winnings wrap like 32-bit numbers.
  stats.startDollars = 1;
  ASSERT_TRUE(LogHighLow(stats, 100, -2147483647 - 1, 8, 9, 10, 11, 1));
  EXPECT_EQ(Row(stats, 99), (std::array<int32_t, 5>{8, 9, 10, 11, 2147483647}));
}

TEST(LogHighLow, ARowOutsideOneTo99WritesNothing) {
  struct Bad {
    int32_t logLine;
    int8_t sessionsLeft;
  };
  // Rows 0, -1, 100, 228 and one far below zero.
  const std::vector<Bad> cases = {{3, 3}, {0, 1}, {100, 0}, {100, -128}, {-2147483647 - 1, 127}};
  for (const Bad& c : cases) {
    SessionStats stats;
    EXPECT_FALSE(LogHighLow(stats, c.logLine, 1, 2, 3, 4, 5, c.sessionsLeft)) << c.logLine;
    for (std::size_t row = 0; row < kSessionTableSize; ++row) {
      EXPECT_EQ(Row(stats, row), (std::array<int32_t, 5>{})) << c.logLine << " row " << row;
    }
  }
}

using testing::Runs;
using Page = std::array<std::string, kLogPageLines>;

void ExpectPage(const TestLog& log, const Page& expected) {
  for (std::size_t line = 0; line < kLogPageLines; ++line) {
    EXPECT_EQ(log.Lines()[line], expected[line]) << "page line " << line;
  }
}

TestLog Built(int32_t sessions, const SessionStats& stats) {
  TestLog log;
  EXPECT_FALSE(log.Start(sessions).has_value());
  EXPECT_TRUE(log.Review(stats));
  return log;
}

TEST(TestLogStart, RefusesCountsOutsideOneTo99AndOtherwiseEmptiesThePage) {
  TestLog fresh;  // a review before any test shows nothing
  EXPECT_FALSE(fresh.Review(testing::TwoSessionStats()));
  EXPECT_FALSE(fresh.LogBuilt());
  EXPECT_EQ(fresh.LogLine(), 0);
  ExpectPage(fresh, {});
  TestLog log = Built(2, testing::TwoSessionStats());
  for (int32_t sessions : {0, -1, 100, -128}) {
    const auto refused = log.Start(sessions);
    ASSERT_TRUE(refused.has_value()) << sessions;
    EXPECT_NE(refused->find("1 to 99"), std::string::npos) << *refused;
    EXPECT_EQ(log.LogLine(), 10);
    ExpectPage(log, testing::TwoSessionPage());
  }
  for (int32_t sessions : {1, 99}) {
    ASSERT_FALSE(log.Start(sessions).has_value());
    EXPECT_EQ(log.LogLine(), sessions + 1);
    EXPECT_FALSE(log.LogBuilt());
    ExpectPage(log, {});
  }
}

TEST(TestLogReview, TwoSessionExampleIsBuiltOnce) {
  SessionStats stats = testing::TwoSessionStats();
  TestLog log = Built(2, stats);
  EXPECT_TRUE(log.LogBuilt());
  ExpectPage(log, testing::TwoSessionPage());
  EXPECT_EQ(log.LogLine(), 10);  // past the last summary line (9)
  // The summary lines' figures, as numbers for a report.
  const LogSummary& summary = log.Summary();
  EXPECT_EQ(summary.totalWinnings, -40);
  EXPECT_EQ(summary.averageWinnings, -20);
  EXPECT_EQ(summary.averageMaxHigh, 60);
  EXPECT_EQ(summary.averageMaxLow, -75);
  EXPECT_EQ(summary.maxPotentialWinnings, 120);
  stats.sessionWinnings[1] = 5000;
  EXPECT_TRUE(log.Review(stats));
  ExpectPage(log, testing::TwoSessionPage());
  EXPECT_EQ(log.LogLine(), 10);
}

TEST(TestLogReview, IntegerAveragesTruncateTowardZero) {
  SessionStats stats;
  stats.startDollars = 1000;
  stats.sessionWinnings[1] = -20;
  stats.sessionWinnings[2] = -21;
  stats.sessionMaxLow[1] = 999;  // (999 + 1000) / 2 = 999, one below the start
  stats.sessionMaxLow[2] = 1000;
  const TestLog log = Built(2, stats);
  EXPECT_EQ(log.Lines()[4], Runs(39, {{1, "Total Winnings"}, {30, "$"}, {35, "-41"}}));
  EXPECT_EQ(log.Lines()[6],
            Runs(39, {{1, "Average Winnings Per Session"}, {30, "$"}, {35, "-20"}}));
  EXPECT_EQ(log.Lines()[8], Runs(37, {{1, "Average Max Low"}, {30, "$"}, {36, "-1"}}));
}

TEST(TestLogReview, AWideHandNumberPushesIntoTheFieldBeforeIt) {
  SessionStats stats = testing::TwoSessionStats();
  stats.sessionMaxLowHand[1] = 123456789;  // 9 digits in the 8 characters before column 24
  // The hand number goes in at character 15, between "95" and "0" of the low.
  EXPECT_EQ(Built(1, stats).Lines()[1],
            Runs(71, {{3, "1"}, {13, "951234567890"}, {29, "1100"}, {40, "40"}, {52, "-50"}}));
}

TEST(TestLogReview, NinetyNineSessionsUseLinesOneTo106) {
  // Session r: high 1000 + r at hand r, low 1000 - r at hand 2r, winnings r - 50.
  SessionStats stats;
  stats.startDollars = 1000;
  TestLog log;
  ASSERT_FALSE(log.Start(99).has_value());
  for (int32_t r = 1; r <= 99; ++r) {
    ASSERT_TRUE(LogHighLow(stats, log.LogLine(), 950 + r, 1000 + r, r, 1000 - r, 2 * r,
                           static_cast<int8_t>(100 - r)));
  }
  ASSERT_TRUE(log.Review(stats));
  Page expected{};
  expected[1] = Runs(62, {{3, "1"}, {13, "999"}, {23, "2"}, {29, "1001"}, {41, "1"}, {52, "-49"}});
  expected[99] =
      Runs(65, {{2, "99"}, {13, "901"}, {21, "198"}, {29, "1099"}, {40, "99"}, {53, "49"}});
  expected[100] = std::string(26, '_');
  // Winnings sum to 0; highs average 1050, lows 950; potential 1 + 2 + ... + 99 = 4950.
  expected[101] = Runs(37, {{1, "Total Winnings"}, {30, "$"}, {37, "0"}});
  expected[103] = Runs(37, {{1, "Average Winnings Per Session"}, {30, "$"}, {37, "0"}});
  expected[104] = Runs(37, {{1, "Average Max High"}, {30, "$"}, {36, "50"}});
  expected[105] = Runs(38, {{1, "Average Max Low"}, {30, "$"}, {35, "-50"}});
  expected[106] = Runs(39, {{1, "Max Potential Winnings"}, {30, "$"}, {34, "4950"}});
  // Rows 1 and 99 stand for rows 2 to 98; every other line is exact, 0, 102 and 107 empty.
  for (std::size_t line = 0; line < kLogPageLines; ++line) {
    if (line >= 2 && line <= 98) {
      EXPECT_FALSE(log.Lines()[line].empty()) << line;
      continue;
    }
    EXPECT_EQ(log.Lines()[line], expected[line]) << "page line " << line;
  }
  EXPECT_EQ(log.LogLine(), 107);
}

namespace fs = std::filesystem;

std::string CrLfLines(const std::array<std::string, kLogPageLines>& page) {
  std::string text;
  for (const std::string& line : page) text += line + "\r\n";
  return text;
}

TEST(LogFileText, EveryOneOf108LinesEndsWithCrLf) {
  std::string emptyPage;
  for (int line = 0; line < 108; ++line) emptyPage += "\r\n";
  EXPECT_EQ(LogFileText(TestLog()), emptyPage);  // the filled page: the file test below
}

TEST(LogFileTest, ReplacesAnExistingFileWithThePage) {
  testing::ScratchFolder directory;
  const fs::path target = directory / "log.txt";
  testing::WriteText(target, std::string(5000, 'x'));
  const SaveResult saved = SaveLogPage(Built(2, testing::TwoSessionStats()), target);
  ASSERT_TRUE(saved) << saved.message;
  const std::string bytes = testing::ReadText(target);
  EXPECT_EQ(bytes, CrLfLines(testing::TwoSessionPage()));
  EXPECT_EQ(bytes.substr(0, 5), "\r\n  1");  // empty line 0, then session row 1; no header
  EXPECT_EQ(directory.Names().size(), 1U);  // no temporary file left
}

// The failures themselves are those of the shared save (tests/config/file_save_test.cpp).
TEST(LogFileTest, AFailedSaveNamesTheFileAndLeavesTheOldOne) {
  testing::ScratchFolder directory;
  const fs::path folder = directory / "folder.txt";
  fs::create_directory(folder);
  const SaveResult saved = SaveLogPage(Built(2, testing::TwoSessionStats()), folder);
  EXPECT_FALSE(saved);
  EXPECT_EQ(saved.message, "could not write " + folder.string() + ": it is a folder");
  EXPECT_EQ(directory.Names().size(), 1U);
}

}  // namespace
}  // namespace quorvel
