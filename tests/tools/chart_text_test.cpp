// Chart files and the readable chart: file names, the 280-byte file written and read back
// (short, long and missing files), letter pairs per code, 20-character rows, labelled lines.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "engine/chart_text.h"
#include "engine/strategy_chart.h"
#include "file_faults.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;

StrategyChart FilledWith(char code) {
  StrategyChart chart;
  for (auto& row : chart.cells) row.fill(code);
  return chart;
}

TEST(ChartFileName, NamesDeckDigitAndOneLetterPerRule) {
  struct Case {
    ChartRules rules;
    const char* name;
  };
  const Case cases[] = {
      {{6, false, false, true}, "6sdl.dat"},  {{2, true, true, false}, "2hnn.dat"},
      {{2, false, false, false}, "2sdn.dat"}, {{8, true, false, true}, "8hdl.dat"},
      {{4, false, true, true}, "4snl.dat"},
  };
  for (const Case& c : cases) EXPECT_EQ(ChartFileName(c.rules), c.name);
}

TEST(ChartFile, WritesTheRowsInOrderAndReadsThemBack) {
  StrategyChart chart;
  for (int row = 0; row < kChartRows; ++row) {
    for (int column = 0; column < kChartColumns; ++column) {
      chart.cells[row][column] = static_cast<char>('A' + (row + column) % 26);
    }
  }
  testing::ScratchFolder folder;
  const fs::path file = folder / "round_trip.dat";
  ASSERT_TRUE(WriteChartFile(file, chart));
  EXPECT_EQ(fs::file_size(file), 280u);
  StrategyChart back;
  EXPECT_EQ(ReadChartFile(file, back), 280);
  EXPECT_EQ(back.cells, chart.cells);
}

TEST(ChartFile, ShortFileFillsOnlyWhatItHolds) {
  testing::ScratchFolder folder;
  const fs::path file = folder / "short.dat";
  testing::WriteText(file, std::string(15, 'H'));
  StrategyChart chart = FilledWith('Z');
  EXPECT_EQ(ReadChartFile(file, chart), 15);
  for (int column = 0; column < kChartColumns; ++column) EXPECT_EQ(chart.At(0, column), 'H');
  for (int column = 0; column < 5; ++column) EXPECT_EQ(chart.At(1, column), 'H');
  for (int column = 5; column < kChartColumns; ++column) EXPECT_EQ(chart.At(1, column), 'Z');
  EXPECT_EQ(chart.At(27, 9), 'Z');
}

TEST(ChartFile, MissingFileReadsNothingAndLongFileOnlyItsFirst280Bytes) {
  StrategyChart chart = FilledWith('Z');
  testing::ScratchFolder folder;
  EXPECT_EQ(ReadChartFile(folder / "no_such_chart.dat", chart), 0);
  EXPECT_EQ(chart.cells, FilledWith('Z').cells);
  EXPECT_FALSE(StrategyChart{}.Loaded());

  const fs::path file = folder / "long.dat";
  testing::WriteText(file, std::string(280, 'S') + "EXTRA");
  EXPECT_EQ(ReadChartFile(file, chart), 280);
  EXPECT_EQ(chart.cells, FilledWith('S').cells);
  EXPECT_TRUE(chart.Loaded());
}

TEST(LetterPair, EachCodeShowsAsTwoCharacters) {
  struct Case {
    char code;
    const char* shown;
  };
  const Case cases[] = {{'r', "Ry"}, {'Q', "Rs"}, {'d', "Ds"}, {'H', "H "}, {'S', "S "},
                        {'D', "D "}, {'R', "R "}, {'Y', "Y "}, {'N', "N "}, {'\0', "  "}};
  for (const Case& c : cases) EXPECT_EQ(LetterPair(c.code), c.shown) << int{c.code};
}

TEST(ChartCaption, NamesTheRulesOfTheChart) {
  struct Case {
    ChartRules rules;
    const char* caption;
  };
  const Case cases[] = {
      {{6, false, false, false}, "Basic Strategy Chart, 6 decks, S17, DAS, no surrender"},
      {{2, true, true, true}, "Basic Strategy Chart, 2 decks, H17,NDAS, late surrender"},
      {{8, false, true, false}, "Basic Strategy Chart, 8 decks, S17,NDAS, no surrender"},
      {{4, true, false, true}, "Basic Strategy Chart, 4 decks, H17, DAS, late surrender"},
  };
  for (const Case& c : cases) EXPECT_EQ(ChartCaption(c.rules), c.caption);
}

StrategyChart ChartWithRow(int row, const char* codes) {
  StrategyChart chart;
  for (int column = 0; column < kChartColumns; ++column) chart.cells[row][column] = codes[column];
  return chart;
}

TEST(ChartRowLetters, RowsShowTwentyCharacters) {
  EXPECT_EQ(ChartRowLetters(ChartWithRow(13, "HHHDDDDHHH"), 13), "H H H D D D D H H H ");
  EXPECT_EQ(ChartRowLetters(ChartWithRow(19, "SdQSSHHRRr"), 19), "S DsRsS S H H R R Ry");
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(ChartText, LabelsEveryRowOnceInChartOrder) {
  StrategyChart chart;
  for (auto& row : chart.cells) row.fill('H');
  chart.cells[18].fill('Q');
  const std::vector<std::string> lines = Lines(ChartText(chart));
  // A heading, 28 rows and a blank line before the soft and the hard rows.
  ASSERT_EQ(lines.size(), 31u);
  EXPECT_EQ(lines[0], "      2  3  4  5  6  7  8  9  T  A");
  const std::vector<std::string> labels = {"A,A", "T,T", "9,9", "8,8", "7,7", "6,6", "5,5", "4,4",
                                           "3,3", "2,2", "",    "A,9", "A,8", "A,7", "A,6", "A,5",
                                           "A,4", "A,3", "A,2", "",    "17",  "16",  "15",  "14",
                                           "13",  "12",  "11",  "10",  "9",   "8"};
  for (std::size_t i = 0; i < labels.size(); ++i) {
    const std::string& line = lines[i + 1];
    if (labels[i].empty()) {
      EXPECT_EQ(line, "");
    } else {
      EXPECT_EQ(line.substr(0, line.find(' ')), labels[i]) << line;
    }
  }
  // Row 18 is shown once, as hard 17, with its letter pairs under the headings.
  EXPECT_EQ(lines[21], "17    Rs Rs Rs Rs Rs Rs Rs Rs Rs Rs");
  EXPECT_EQ(lines[1], "A,A   H  H  H  H  H  H  H  H  H  H");
}

}  // namespace
}  // namespace quorvel
