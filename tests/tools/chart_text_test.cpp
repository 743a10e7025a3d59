// The readable chart: letter pairs per code, 20-character rows, labelled lines.
#include "engine/chart_text.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace quorvel {
namespace {

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
