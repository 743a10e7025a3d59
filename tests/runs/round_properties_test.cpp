// Properties of many seeded rounds: only cards of the shoe are dealt, results are
// well formed, money is conserved, and basic strategy loses a fraction of a percent.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

#include "money/bet_sizing.h"
#include "money/settlement.h"
#include "reference_chart.h"
#include "runs/simulator.h"

namespace quorvel {
namespace {

AppliedSettings Flat(int players, int decks, int penetration, bool lateSurrender = false) {
  AppliedSettings settings;
  settings.rules.players = players;
  settings.rules.decks = decks;
  settings.rules.penetration = penetration;
  settings.rules.lateSurrender = lateSurrender;
  settings.money.bankroll = 100000;
  settings.money.unitDollars = 10;
  settings.tableMaximum = 1000;
  return settings;
}

void Start(Simulator& simulator, const AppliedSettings& settings, uint32_t seed, bool surrender) {
  simulator.Seed(seed);
  simulator.ApplySettings(settings);
  simulator.engine.chart =
      surrender ? testing::ReferenceSurrenderChart() : testing::ReferenceChart();
}

// Counts every card drawn since the last reshuffle; no card may be dealt more
// often than the shoe holds it, and every card comes from the shuffled part.
class ShoeAuditor : public Display {
 public:
  explicit ShoeAuditor(const Simulator*& simulator) : simulator_(simulator) {}
  void UpDateJpgs(CardName card) override {
    const Shoe& shoe = simulator_->engine.shoe;
    const int index = shoe.drawPosition - 1;
    if (index <= lastIndex_) counts_.clear();  // the shoe was reshuffled
    lastIndex_ = index;
    ++cardsSeen;
    if (index < 0 || index >= shoe.ShuffledSize()) ++outsideShoe;
    if (card != shoe.cards[index]) ++mismatched;
    if (++counts_[{card.rank, card.suit}] > shoe.Decks()) ++overdealt;
  }
  // A split moves a card already counted; it is redrawn, not dealt.
  void GetImage(int) override {}

  long cardsSeen = 0, outsideShoe = 0, mismatched = 0, overdealt = 0;

 private:
  const Simulator*& simulator_;
  std::map<std::pair<char, char>, int> counts_;
  int lastIndex_ = -1;
};

TEST(RoundPropertiesTest, NoRoundDealsACardTheShoeDoesNotHold) {
  struct Case {
    int players, decks, penetration;
  };
  for (const Case& c : {Case{7, 2, 90}, Case{7, 8, 90}, Case{3, 6, 75}, Case{1, 4, 0}}) {
    const Simulator* watched = nullptr;
    ShoeAuditor auditor(watched);
    Simulator simulator(&auditor);
    watched = &simulator;
    Start(simulator, Flat(c.players, c.decks, c.penetration), 20261206u + c.decks, false);
    auditor.cardsSeen = 0;
    for (int round = 0; round < 4000; ++round) simulator.DealCards();
    EXPECT_GT(auditor.cardsSeen, 4000 * (c.players + 1) * 2);
    EXPECT_EQ(auditor.outsideShoe, 0) << c.players << " players, " << c.decks << " decks";
    EXPECT_EQ(auditor.mismatched, 0);
    EXPECT_EQ(auditor.overdealt, 0);
  }
}

int CardsIn(const TableEngine& engine, int start) {
  int n = 0;
  while (n < kSlotSpan && engine.hands[start + n] != 0) ++n;
  return n;
}

// No limits are set in these runs; a limit would fail the test.
struct NoSessionEnd : SessionEndSink {
  void EndSession(std::string_view) override { ADD_FAILURE() << "a limit ended the session"; }
};

TEST(RoundPropertiesTest, ResultsAreWellFormedAndMoneyIsConserved) {
  NoSessionEnd noLimits;
  for (bool surrender : {false, true}) {
    Simulator simulator;
    Start(simulator, Flat(4, 6, 75, surrender), 77u, surrender);
    simulator.run.testRunning = 1;
    simulator.engine.SetDrawing(false);
    double expectedBankroll = simulator.money.bankroll;
    double expectedTotalBet = 0;
    std::set<float> seen;
    int doubledPushes = 0;
    for (int round = 0; round < 50000; ++round) {
      TableEngine& engine = simulator.engine;
      engine.PlayRound();
      float net = 0;
      double stakes = 0;
      std::array<bool, 4> inPlay{};
      for (int slot = 0; slot < 4; ++slot) {
        const float f = engine.handResults[slot];
        const int cards = CardsIn(engine, slot * 10);
        inPlay[slot] = cards > 0;
        seen.insert(f);
        if (cards == 0) {
          ASSERT_EQ(f, 0.0f);
        }
        if (f == 1.5f) {
          ASSERT_TRUE(slot == 0 && cards == 2 && engine.hands[10] == 0);
        }
        if (f == -0.5f) {
          ASSERT_TRUE(surrender && cards == 2 && engine.hands[10] == 0);
        }
        const bool doubled = engine.handDoubled[slot];
        ASSERT_EQ(std::fabs(f) == 2.0f || (doubled && f == 0), doubled);
        if (doubled) {
          ASSERT_EQ(cards, 3);
        }
        doubledPushes += doubled && f == 0;
        net += f;
        // A doubled hand put two stakes at risk, whatever came of it.
        stakes += cards == 0 ? 0 : doubled ? 2 : std::max(1.0f, std::trunc(std::fabs(f)));
      }
      const float stake = simulator.money.bet;
      expectedBankroll += static_cast<double>(net) * stake;
      expectedTotalBet += stakes * stake;
      const SettlementContext context{true, {}, &simulator.progression, &noLimits, &NullDisplay()};
      AdjustWinnings(simulator.money, engine.handResults, RoundStakes(engine.handResults, inPlay, engine.handDoubled), context);
      engine.CheckShoe();
      ASSERT_EQ(simulator.money.bankroll, expectedBankroll);
      ASSERT_EQ(simulator.money.totalBet, expectedTotalBet);
    }
    // Every kind of result occurred.
    for (float f : {-2.0f, -1.0f, 0.0f, 1.0f, 1.5f, 2.0f}) EXPECT_EQ(seen.count(f), 1u) << f;
    EXPECT_GT(doubledPushes, 0);
    EXPECT_EQ(seen.count(-0.5f), surrender ? 1u : 0u);
  }
}

TEST(RoundPropertiesTest, BasicStrategyLosesAFractionOfAPercent) {
  Simulator simulator;
  Start(simulator, Flat(1, 6, 75), 424242u, false);
  simulator.run.testRunning = 1;
  const double start = simulator.money.bankroll;
  constexpr int kRounds = 2000000;
  for (int round = 0; round < kRounds; ++round) simulator.DealCards();
  // One unit is $10; the expected loss is about half a percent of a unit per
  // round, with a standard error near 0.08 % over two million rounds.
  const double perRound = (simulator.money.bankroll - start) / 10.0 / kRounds;
  EXPECT_GT(perRound, -0.011);
  EXPECT_LT(perRound, 0.001);
}

}  // namespace
}  // namespace quorvel
