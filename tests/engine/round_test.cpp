// Whole rounds from a rigged shoe: dealing order, decisions, splits, surrender and the dealer.
#include <gtest/gtest.h>

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

TEST(DealerBlackjackTest, EndsTheRoundBeforeAnyonePlays) {
  struct Case {
    std::string_view ranks;
    float result;
    std::string_view message;
  };
  // User A with K after dealer A,K: a push; user 9,9 loses one stake.
  for (const Case& c : {Case{"AAKK", 0.0f, "push"}, Case{"9KA9", -1.0f, "loss: Dealer Blackjack"}}) {
    Table table(Rules(1, /*lateSurrender=*/true));
    table.Play(c.ranks);
    EXPECT_EQ(table.Result(0), c.result);
    EXPECT_EQ(table.Shown(Label::dealer), c.message);
    EXPECT_EQ(table.Hand(0).size(), 2u);  // no decision played, no split
    EXPECT_EQ(table.Hand(282), "");       // the dealer does not draw
  }
}

TEST(DealerBlackjackTest, OtherSeatsStillReceiveSecondCards) {
  Table table(Rules(3));
  table.Play("234AK567");
  EXPECT_EQ(table.Hand(0), "25");
  EXPECT_EQ(table.Hand(40), "36");
  EXPECT_EQ(table.Hand(80), "47");
}

TEST(DealingOrderTest, FirstCardsGoToEverySeatThenTheDealer) {
  Table table(Rules(3));
  table.Play("234597TKT8QJ");
  EXPECT_EQ(table.engine.hands[0], '2');
  EXPECT_EQ(table.engine.hands[40], '3');
  EXPECT_EQ(table.engine.hands[80], '4');
  EXPECT_EQ(table.engine.hands[280], '5');
  EXPECT_EQ(table.engine.hands[281], '9');
  EXPECT_EQ(table.engine.hands[1], '7');  // the sixth card is the user's second
  const std::vector<int> firstSix(table.display.positions.begin(), table.display.positions.begin() + 6);
  EXPECT_EQ(firstSix, (std::vector<int>{0, 40, 80, 280, 281, 1}));
}

TEST(DealingOrderTest, OnePlayerDealsOnlySeatZero) {
  Table table(Rules(1));
  table.Play("TT7K");  // user T,K = 20 stands; dealer T,7 stands
  EXPECT_EQ(table.Hand(0), "TK");
  EXPECT_EQ(table.Hand(40), "");
  EXPECT_EQ(table.Hand(280), "T7");
}

TEST(PlayerActionTest, BlackjackPaysOneAndAHalfWithoutAnotherCard) {
  Table table(Rules(1));
  table.Play("A97K");
  EXPECT_EQ(table.Hand(0), "AK");
  EXPECT_EQ(table.display.actions[0], "Blackjack!!");
  EXPECT_EQ(table.Result(0), 1.5f);
  EXPECT_EQ(table.Shown(Label::dealer), "win: hand wins");
  EXPECT_EQ(table.Hand(280), "97");  // nobody live: the dealer keeps two cards
}

TEST(PlayerActionTest, DoubleTakesExactlyOneCard) {
  Table table(Rules(1));
  table.Play("6TK52");  // 6,5 v ten doubles, draws 2: 13 against 20
  EXPECT_EQ(table.Hand(0), "652");
  EXPECT_EQ(table.display.actions[0], "Double");
  EXPECT_EQ(table.Result(0), -2.0f);
  EXPECT_EQ(table.Shown(Label::dealer), "loss: Dealer wins");
}

TEST(PlayerActionTest, DoubleOnThreeCardsHitsAndSoftDoubleStands) {
  StrategyChart chart = testing::ReferenceChart();
  // 2,2 v 5 not split: hard 4 hits; the 5 makes hard 9 v 5, "D" with three cards: hit.
  chart.cells[9][3] = 'N';
  Table hits(Rules(1), chart);
  hits.Play("25T258");
  EXPECT_EQ(hits.Hand(0), "2258");  // 9 hit to 17, stands

  // Soft 18 of three cards v 4 is "d": stand.
  Table stands(Rules(1));
  stands.Play("A4T25K");  // A,2 v 4 is soft 13, hits 5: soft 18 of three cards
  EXPECT_EQ(stands.Hand(0), "A25");
  EXPECT_EQ(stands.Result(0), 1.0f);  // the dealer's 14 takes the K and busts
}

TEST(PlayerActionTest, SplitPlaysEachHandToItsEndInSlotOrder) {
  Table table(Rules(1));
  // 8,8 v 6: slot 0 gets 3 (11, doubles on T), then slot 1 gets T (18).
  table.Play("86T83TTK");
  EXPECT_EQ(table.Hand(0), "83T");
  EXPECT_EQ(table.Hand(10), "8T");
  EXPECT_EQ(table.Hand(280), "6TK");
  EXPECT_EQ(table.Result(0), 2.0f);
  EXPECT_EQ(table.Result(1), 1.0f);
}

TEST(PlayerActionTest, ResplitReplaysSlotZeroThenOneThenTwo) {
  Table table(Rules(1));
  table.Play("86T88TK9Q");
  EXPECT_EQ(table.Hand(0), "8T");
  EXPECT_EQ(table.Hand(10), "8K");
  EXPECT_EQ(table.Hand(20), "89");
}

TEST(PlayerActionTest, AFourthPairStandsOnceTheSeatHoldsFourHands) {
  Table table(Rules(1));
  table.Play("86T888829TKQ");
  EXPECT_EQ(table.Hand(0), "88");
  EXPECT_EQ(table.Hand(10), "829");
  EXPECT_EQ(table.Hand(20), "8T");
  EXPECT_EQ(table.Hand(30), "8K");
  EXPECT_EQ(table.Hand(280), "6TQ");
  EXPECT_EQ(table.Result(1), 2.0f);  // doubling after a split is allowed here
}

TEST(PlayerActionTest, SplitAcesTakeOneCardEachAndAreNotPlayed) {
  Table table(Rules(1));
  // A,A v 6: A,K is a two-card 21 (paid 1:1), A,5 is a live soft 16.
  table.Play("A6TAK5Q");
  EXPECT_EQ(table.Hand(0), "AK");
  EXPECT_EQ(table.Hand(10), "A5");
  EXPECT_TRUE(table.display.actions.count(0) == 0 || table.display.actions[0] != "Blackjack!!");
  // The live split hand makes the dealer draw: 16 takes the Q and busts.
  EXPECT_EQ(table.Hand(280), "6TQ");
  EXPECT_EQ(table.Result(0), 1.0f);
  EXPECT_EQ(table.Result(1), 1.0f);
}

TEST(PlayerActionTest, TwoCardTwentyOneAfterASplitPaysEvenAndBeatsADealerTwentyOne) {
  StrategyChart chart = testing::ReferenceChart();
  chart.cells[1][4] = 'Y';  // split tens v 6
  Table table(Rules(1), chart);
  // Slot 0 T,A is 21 of two cards; slot 1 T,9; the dealer's 16 draws 5: 21.
  table.Play("T6TTA95");
  EXPECT_EQ(table.Hand(0), "TA");
  EXPECT_EQ(table.Hand(280), "6T5");
  EXPECT_EQ(table.display.actions.count(0), 0u);  // no "Blackjack!!"
  EXPECT_EQ(table.Result(0), 1.0f);
  EXPECT_EQ(table.Shown(Label::dealer), "win: hand wins");
  EXPECT_EQ(table.Result(1), -1.0f);
}

TEST(PlayerActionTest, NoDoubleAfterSplitStopsOtherSeatsDoublingToo) {
  Table table(Rules(2, false, /*noDoubleAfterSplit=*/true));
  // User T,T stands; seat 1 has 6,5 = 11 v 6: "D" becomes a hit.
  table.Play("T66TT52K");
  EXPECT_EQ(table.Hand(40), "652");
  EXPECT_EQ(table.Hand(280), "6TK");
}

TEST(PlayerActionTest, NoDoubleAfterSplitAppliesToSlotZeroOnceSplit) {
  Table table(Rules(1, false, /*noDoubleAfterSplit=*/true));
  // 8,8 v 6 splits; slot 0 8,3 = 11 may not double: hits T (21).
  table.Play("86T83TTK");
  EXPECT_EQ(table.Hand(0), "83T");
  EXPECT_EQ(table.Result(0), 1.0f);
  EXPECT_EQ(table.Hand(10), "8T");
}

TEST(SurrenderTest, LateSurrenderLosesHalfOnlyOnAFirstTwoCardHand) {
  Table table(Rules(1, /*lateSurrender=*/true), testing::ReferenceSurrenderChart());
  table.Play("T976T");
  EXPECT_EQ(table.display.actions[0], "Surrender");
  EXPECT_EQ(table.Result(0), -0.5f);
  EXPECT_EQ(table.Shown(Label::dealer), "loss: surrender");
}

TEST(SurrenderTest, WithoutTheRuleTheHandStandsAndStillSaysSurrender) {
  Table table(Rules(1, /*lateSurrender=*/false), testing::ReferenceSurrenderChart());
  table.Play("T976T");  // the dealer's 16 draws the T and busts
  EXPECT_EQ(table.display.actions[0], "Surrender");
  EXPECT_EQ(table.Result(0), 1.0f);
}

TEST(SurrenderTest, SurrenderCodeOnThreeCardsHits) {
  Table table(Rules(1, true), testing::ReferenceSurrenderChart());
  table.Play("T9742K");  // T,4 v 9 hits 2: a three-card 16, where "R" hits
  EXPECT_EQ(table.Hand(0), "T42K");
  EXPECT_EQ(table.Result(0), -1.0f);
  EXPECT_EQ(table.display.actions.count(0), 0u);
}

TEST(DealerPlayTest, AllSeatsBustedLeavesTheDealerOnTwoCards) {
  Table table(Rules(1));
  table.Play("TT56K");  // 16 v ten hits K and busts; dealer 15 does not draw
  EXPECT_EQ(table.Hand(280), "T5");
  EXPECT_EQ(table.Shown(Label::Label4), "15");
  EXPECT_EQ(table.Shown(Label::dealer), "loss: hand loses");
  EXPECT_EQ(table.Result(0), -1.0f);
}

TEST(DealerPlayTest, ALiveSplitHandMakesTheDealerDraw) {
  StrategyChart chart = testing::ReferenceChart();
  chart.cells[20][3] = 'H';  // hard 15 v 5 hits
  Table forced(Rules(1), chart);
  forced.Play("85T87KAT9");
  // slot 0: 8,7 = 15 hits K: bust. slot 1: 8,A = soft 19 stands. Dealer 15 must draw.
  EXPECT_EQ(forced.Hand(0), "87K");
  EXPECT_EQ(forced.Hand(10), "8A");
  EXPECT_EQ(forced.Hand(280), "5TT");
  EXPECT_EQ(forced.Result(1), 1.0f);
}

TEST(DealerPlayTest, SoftSeventeenFollowsTheRule) {
  Table stands(Rules(1, false, false, /*dealerHitsSoft17=*/false));
  stands.Play("TA6TK");
  EXPECT_EQ(stands.Hand(280), "A6");
  Table hits(Rules(1, false, false, /*dealerHitsSoft17=*/true));
  hits.Play("TA6TK5");
  EXPECT_EQ(hits.Hand(280), "A6K");  // hard 17 then stands
}

TEST(DealerPlayTest, OutcomesOfEveryComparison) {
  struct Case {
    std::string_view ranks;
    float result;
    std::string_view message;
  };
  for (const Case& c : {Case{"TTKT", 0.0f, "Push"},            // 20 v 20
                        Case{"T9TK", 1.0f, "win: hand wins"},  // 20 v 19
                        Case{"9TTT", -1.0f, "loss: Dealer wins"},
                        Case{"T6TT", 1.0f, "win: Dealer Busts!!"}}) {  // 20 v 16 + T
    Table table(Rules(1));
    table.Play(c.ranks);
    EXPECT_EQ(table.Result(0), c.result) << c.ranks;
    EXPECT_EQ(table.Shown(Label::dealer), c.message) << c.ranks;
  }
}

TEST(HandLimitTest, AHandNeverTakesATenthCard) {
  StrategyChart allHit;
  for (auto& row : allHit.cells) row.fill('H');
  Table table(Rules(1), allHit);
  // 2,2,2,2,2,2,2,2,A is hard 17 with nine cards; the chart says hit, but the hand is full.
  table.Play("2T72222222AK");
  EXPECT_EQ(table.Hand(0), "22222222A");
  EXPECT_EQ(table.engine.hands[9], 0);
  EXPECT_EQ(table.engine.shoe.drawPosition, 11);
}

TEST(HandLimitTest, ASoftHandIsNotHitPastNineCards) {
  StrategyChart allHit;
  for (auto& row : allHit.cells) row.fill('H');
  Table table(Rules(1), allHit);
  // A,A,A,A,A,A,A,A,A is soft 19 with nine cards: the soft rows say hit.
  table.Play("AT7AAAAAAAAK");
  EXPECT_EQ(table.Hand(0), "AAAAAAAAA");
  EXPECT_EQ(table.engine.hands[9], 0);
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
