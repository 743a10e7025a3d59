// Whole rounds from a rigged shoe: dealing order, decisions, splits, surrender and the dealer.
#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

#include "recording_display.h"
#include "reference_chart.h"
#include "rigged_table.h"

namespace quorvel {
namespace {

using testing::HandText;
using testing::RecordingDisplay;
using testing::RigShoe;
using testing::Rules;

struct Table {
  RecordingDisplay display;
  TableEngine engine{&display};

  explicit Table(const TableRules& rules, const StrategyChart& chart = testing::ReferenceChart()) {
    engine.SetRules(rules);
    engine.chart = chart;
    engine.SetDrawing(true);
  }
  void Play(std::string_view ranks) {
    RigShoe(engine, ranks);
    engine.PlayRound();
  }
  std::string Hand(int start) const { return HandText(engine, start); }
  float Result(int slot) const { return engine.handResults[slot]; }
  std::string Shown(Label label) { return display.labels[label]; }
};

enum class Chart { kReference, kSurrender, kAllHit };

// One round from a rigged shoe and what it must leave: the hands (by their first
// place), the results per slot, the outcome message and the user's action word.
struct Scenario {
  std::string_view name;
  TableRules rules;
  std::string_view ranks;
  std::vector<std::pair<int, std::string_view>> hands;
  std::vector<std::pair<int, float>> results = {};
  std::string_view message = {};     // empty: not looked at
  std::string_view action = {};      // empty: not looked at; "-": none shown
  Chart chart = Chart::kReference;
  std::vector<std::tuple<int, int, char>> cells = {};  // changes to the chart
};

TEST(RoundTest, RiggedRoundsPlayAsTheRulesSay) {
  const Scenario scenarios[] = {
      // A dealer blackjack ends the round before anyone plays or the dealer draws.
      {"dealer blackjack against ace: push", Rules(1, true), "AAKK", {{0, "AK"}, {282, ""}},
       {{0, 0.0f}}, "push"},
      {"dealer blackjack against 9,9: one stake lost", Rules(1, true), "9KA9", {{0, "99"}, {282, ""}},
       {{0, -1.0f}}, "loss: Dealer Blackjack"},
      {"other seats still get second cards", Rules(3), "234AK567",
       {{0, "25"}, {40, "36"}, {80, "47"}, {280, "AK"}}},
      {"one player deals only seat 0", Rules(1), "TT7K", {{0, "TK"}, {40, ""}, {280, "T7"}}},
      // Nobody live: the dealer keeps two cards.
      {"blackjack pays 3:2 without another card", Rules(1), "A97K", {{0, "AK"}, {280, "97"}},
       {{0, 1.5f}}, "win: hand wins", "Blackjack!!"},
      {"double takes one card", Rules(1), "6TK52", {{0, "652"}}, {{0, -2.0f}}, "loss: Dealer wins", "Double"},
      // 2,2 v 5 not split: hard 4 hits; hard 9 of three cards is "D": a hit.
      {"D on three cards hits", Rules(1), "25T258", {{0, "2258"}}, {}, {}, {}, Chart::kReference,
       {{9, 3, 'N'}}},
      // A,2 v 4 hits 5: a soft 18 of three cards, "d": stand; the dealer's 14 busts.
      {"d on three cards stands", Rules(1), "A4T25K", {{0, "A25"}}, {{0, 1.0f}}},
      // 8,8 v 6: slot 0 gets 3 (11, doubles on T), then slot 1 gets T (18).
      {"split plays each hand in slot order", Rules(1), "86T83TTK",
       {{0, "83T"}, {10, "8T"}, {280, "6TK"}}, {{0, 2.0f}, {1, 1.0f}}},
      {"resplit replays slots 0, 1, 2", Rules(1), "86T88TK9Q", {{0, "8T"}, {10, "8K"}, {20, "89"}}},
      // Doubling after a split is allowed here.
      {"a fourth pair stands once the seat holds four hands", Rules(1), "86T888829TKQ",
       {{0, "88"}, {10, "829"}, {20, "8T"}, {30, "8K"}, {280, "6TQ"}}, {{1, 2.0f}}},
      // A,A v 6: A,K is a two-card 21 paid 1:1; A,5 a live soft 16, so the dealer draws and busts.
      {"split aces take one card each", Rules(1), "A6TAK5Q", {{0, "AK"}, {10, "A5"}, {280, "6TQ"}},
       {{0, 1.0f}, {1, 1.0f}}, {}, "-"},
      // Tens split v 6: T,A is 21 of two cards, which beats the dealer's 6,T,5 and pays even.
      {"21 of two cards after a split", Rules(1), "T6TTA95", {{0, "TA"}, {280, "6T5"}},
       {{0, 1.0f}, {1, -1.0f}}, "win: hand wins", "-", Chart::kReference, {{1, 4, 'Y'}}},
      // User T,T stands; seat 1 has 6,5 = 11 v 6: "D" becomes a hit.
      {"no double after split stops other seats too", Rules(2, false, true), "T66TT52K",
       {{40, "652"}, {280, "6TK"}}},
      {"no double after split on slot 0 once split", Rules(1, false, true), "86T83TTK",
       {{0, "83T"}, {10, "8T"}}, {{0, 1.0f}}},
      {"late surrender loses half", Rules(1, true), "T976T", {}, {{0, -0.5f}}, "loss: surrender",
       "Surrender", Chart::kSurrender},
      // The dealer's 16 draws the T and busts.
      {"without the rule the hand stands, still saying surrender", Rules(1), "T976T", {}, {{0, 1.0f}},
       {}, "Surrender", Chart::kSurrender},
      // T,4 v 9 hits 2: a three-card 16, where "R" hits.
      {"R on three cards hits", Rules(1, true), "T9742K", {{0, "T42K"}}, {{0, -1.0f}}, {}, "-",
       Chart::kSurrender},
      // 16 v ten hits K and busts; the dealer's 15 does not draw.
      {"all seats busted: the dealer keeps two cards", Rules(1), "TT56K", {{280, "T5"}}, {{0, -1.0f}},
       "loss: hand loses"},
      // Slot 0: 8,7 hits K and busts; slot 1: 8,A stands on soft 19; the dealer's 15 must draw.
      {"a live split hand makes the dealer draw", Rules(1), "85T87KAT9",
       {{0, "87K"}, {10, "8A"}, {280, "5TT"}}, {{1, 1.0f}}, {}, {}, Chart::kReference, {{20, 3, 'H'}}},
      {"dealer stands on soft 17", Rules(1, false, false, false), "TA6TK", {{280, "A6"}}},
      {"dealer hits soft 17, stands on hard 17", Rules(1, false, false, true), "TA6TK5", {{280, "A6K"}}},
      {"20 v 20", Rules(1), "TTKT", {}, {{0, 0.0f}}, "Push"},
      {"20 v 19", Rules(1), "T9TK", {}, {{0, 1.0f}}, "win: hand wins"},
      {"19 v 20", Rules(1), "9TTT", {}, {{0, -1.0f}}, "loss: Dealer wins"},
      {"20 v 16 + T", Rules(1), "T6TT", {}, {{0, 1.0f}}, "win: Dealer Busts!!"},
      // Nine cards end a hand even where the chart says hit: hard 17, and soft 19.
      {"no tenth card", Rules(1), "2T72222222AK", {{0, "22222222A"}}, {}, {}, {}, Chart::kAllHit},
      {"no tenth card on a soft hand", Rules(1), "AT7AAAAAAAAK", {{0, "AAAAAAAAA"}}, {}, {}, {},
       Chart::kAllHit},
  };
  for (const Scenario& s : scenarios) {
    StrategyChart chart = s.chart == Chart::kSurrender ? testing::ReferenceSurrenderChart()
                                                       : testing::ReferenceChart();
    if (s.chart == Chart::kAllHit) {
      for (auto& row : chart.cells) row.fill('H');
    }
    for (const auto& [row, column, code] : s.cells) chart.cells[row][column] = code;
    Table table(s.rules, chart);
    table.Play(s.ranks);
    for (const auto& [start, text] : s.hands) EXPECT_EQ(table.Hand(start), text) << s.name << " at " << start;
    for (const auto& [slot, result] : s.results) EXPECT_EQ(table.Result(slot), result) << s.name << " slot " << slot;
    if (!s.message.empty()) {
      EXPECT_EQ(table.Shown(Label::dealer), s.message) << s.name;
    }
    if (s.action == "-") {
      EXPECT_EQ(table.display.actions.count(0), 0u) << s.name;
    } else if (!s.action.empty()) {
      EXPECT_EQ(table.display.actions[0], s.action) << s.name;
    }
  }
}

TEST(RoundTest, TheDealerTotalIsShownAndAFullHandStopsDrawing) {
  Table busted(Rules(1));
  busted.Play("TT56K");
  EXPECT_EQ(busted.Shown(Label::Label4), "15");
  StrategyChart allHit;
  for (auto& row : allHit.cells) row.fill('H');
  Table full(Rules(1), allHit);
  full.Play("2T72222222AK");
  EXPECT_EQ(full.engine.shoe.drawPosition, 11);
}

TEST(DealingOrderTest, FirstCardsGoToEverySeatThenTheDealer) {
  Table table(Rules(3));
  table.Play("234597TKT8QJ");
  const std::vector<int> firstSix(table.display.positions.begin(), table.display.positions.begin() + 6);
  EXPECT_EQ(firstSix, (std::vector<int>{0, 40, 80, 280, 281, 1}));
}

TEST(DisplayTest, NothingIsDrawnWhileATestRuns) {
  Table table(Rules(2));
  table.engine.SetDrawing(false);
  table.Play("T66TT52K");
  EXPECT_TRUE(table.display.positions.empty());
  EXPECT_TRUE(table.display.labels.empty());
  EXPECT_EQ(table.display.actions[0], "Stand");  // action words still go to their labels
}

}  // namespace
}  // namespace quorvel
