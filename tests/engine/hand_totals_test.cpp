// Hand totals, soft indexes, chart cells and the decision for a hand.
#include <gtest/gtest.h>

#include <string>

#include "reference_chart.h"
#include "rigged_table.h"

namespace quorvel {
namespace {

using testing::ReferenceChart;

// Puts a hand in slot 0 and a dealer up card at 280.
void Place(TableEngine& engine, std::string_view hand, char upCard) {
  engine.ClearHands();
  for (size_t i = 0; i < hand.size(); ++i) engine.PutCard(static_cast<int>(i), hand[i]);
  engine.PutCard(kDealerStart, upCard);
}

// The decision for the hand placed in slot 0; where its last card lies matters only to soft hits.
char Decision(TableEngine& engine) {
  int last = 1;
  return engine.ChooseAction(0, last);
}

TEST(AddTotalTest, CountsAcesHighUntilTheHandWouldBustAndNWithOneAceAsZero) {
  struct Case {
    std::string_view hand;
    int total;
    int softAces;
    int n;  // the total with one ace as 0 and the others as 1; -1 without an ace
  };
  for (const Case& c : {Case{"AAK", 12, 0, 11}, Case{"A6", 17, 1, 6}, Case{"A6K", 17, 0, 16},
                        Case{"AA", 12, 1, 1}, Case{"AAAA2", 16, 1, 5}, Case{"AK", 21, 1, 10},
                        Case{"A55", 21, 1, 10}, Case{"AA6", 18, 1, 7}, Case{"A9", 20, 1, 9},
                        Case{"KQ", 20, 0, -1}, Case{"T9", 19, 0, -1}, Case{"9J5", 24, 0, -1}}) {
    TableEngine engine;
    Place(engine, c.hand, '2');
    EXPECT_EQ(engine.AddTotal(0), c.total) << c.hand;
    EXPECT_EQ(engine.softAces, c.softAces) << c.hand;
    if (c.n >= 0) {
      EXPECT_EQ(engine.AddNonAces(0), c.n) << c.hand;
    }
  }
}

// A chart whose every cell names its own byte offset's row and column, so a
// lookup shows which cell it read.
struct MarkedChart {
  StrategyChart chart;
  MarkedChart() {
    for (int r = 0; r < kChartRows; ++r)
      for (int c = 0; c < kChartColumns; ++c) chart.cells[r][c] = static_cast<char>(r * 10 + c);
  }
};

TEST(ChartLookupTest, ReadsTheDocumentedByteOffsets) {
  struct Case {
    std::string_view hand;
    char up;
    int byte;
  };
  // Hard 16 v 9 is byte 197; soft 18 v 6 is byte 124; 8,8 v ace is byte 39.
  for (const Case& c : {Case{"T6", '9', 197}, Case{"A7", '6', 124}, Case{"88", 'A', 39},
                        Case{"T7", 'J', 188}, Case{"T7", 'T', 188}, Case{"53", '2', 270}}) {
    TableEngine engine;
    engine.chart = MarkedChart().chart;
    Place(engine, c.hand, c.up);
    const bool pair = c.hand[0] == c.hand[1];
    const char cell = pair ? engine.Pairs(0) : Decision(engine);
    EXPECT_EQ(cell, static_cast<char>(c.byte)) << c.hand << " v " << c.up;
  }
}

TEST(ChooseActionTest, DecisionsForTypicalHands) {
  struct Case {
    std::string_view hand;
    char up;
    char decision;
  };
  for (const Case& c : {
           Case{"AK", '5', 'B'},    // two-card soft 21
           Case{"A55", '5', 'B'},   // a three-card soft 21 too
           Case{"KQ", '5', 'S'},    // not a pair: hard 20 stands without the chart
           Case{"88", 'A', 'Y'},    // pair row
           Case{"T6", '9', 'H'},    // hard 16 v 9
           Case{"T6", '6', 'S'},    // hard 16 v 6
           Case{"63", '4', 'D'},    // hard 9 v 4
           Case{"32", '6', 'H'},    // hard 5 always hits
           Case{"T9", 'A', 'S'},    // hard 19 always stands
           Case{"T9K", 'A', 'X'},   // bust
           Case{"A7", '4', 'd'},    // soft 18 v 4
           Case{"99", '7', 'S'},    // 9,9 not split v 7: played as hard 18
       }) {
    TableEngine engine;
    engine.chart = ReferenceChart();
    Place(engine, c.hand, c.up);
    EXPECT_EQ(Decision(engine), c.decision) << c.hand << " v " << c.up;
  }
}

TEST(ChooseActionTest, UnsplitPairsArePlayedByTheirTotalRow) {
  TableEngine engine;
  engine.chart = ReferenceChart();
  engine.chart.cells[3][9] = 'N';  // 8,8 v ace: do not split
  engine.chart.cells[19][9] = 'Q';  // hard 16 v ace
  Place(engine, "88", 'A');
  EXPECT_EQ(Decision(engine), 'Q');

  engine.chart.cells[0][4] = 'N';  // A,A v 6 not split: row 18, shared with hard 17
  engine.chart.cells[18][4] = 'S';
  Place(engine, "AA", '6');
  EXPECT_EQ(Decision(engine), 'S');
}

TEST(ChooseActionTest, AFourAceSoftSixteenReadsRowFourteen) {
  TableEngine engine;
  engine.chart.cells[14][0] = 'S';
  Place(engine, "AAAA2", '2');
  EXPECT_EQ(Decision(engine), 'S');
}

TEST(ChooseActionTest, SoftHandsAreHitInsideTheDecision) {
  TableEngine engine;
  engine.SetRules(testing::Rules(1));
  engine.chart = ReferenceChart();
  // Soft 13 v ten hits: 3 makes soft 16 (hit), 2 makes soft 18 v ten (hit),
  // 5 makes hard 13 v ten, which hits from the hard row.
  testing::RigShoe(engine, "325");
  Place(engine, "A2", 'T');
  int last = 1;
  EXPECT_EQ(engine.ChooseAction(0, last), 'H');
  EXPECT_EQ(testing::HandText(engine, 0), "A2325");
  EXPECT_EQ(last, 4);
}

TEST(ChooseActionTest, SoftHandHitToTwentyOneStands) {
  TableEngine engine;
  engine.SetRules(testing::Rules(1));
  engine.chart = ReferenceChart();
  testing::RigShoe(engine, "4");
  Place(engine, "A6", 'T');  // soft 17 v ten hits, 4 makes soft 21
  EXPECT_EQ(Decision(engine), 'S');
}

TEST(ChooseActionTest, ZeroChartStandsSoftAndMiddleHardHands) {
  TableEngine engine;  // no chart loaded
  Place(engine, "T5", '7');
  EXPECT_EQ(Decision(engine), 0);
  Place(engine, "A5", '7');
  EXPECT_EQ(Decision(engine), 0);
  Place(engine, "42", '7');
  EXPECT_EQ(Decision(engine), 'H');
  EXPECT_FALSE(engine.chart.Loaded());
}

}  // namespace
}  // namespace quorvel
