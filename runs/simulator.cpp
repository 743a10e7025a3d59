// The round as the table plays it, the table reset and applying settings.
#include "runs/simulator.h"

#include "engine/chart_check.h"
#include "money/bet_sizing.h"
#include "money/caption.h"
#include "money/limits.h"
#include "money/settlement.h"
#include "money/show_caption.h"
#include "money/whole_dollars.h"

namespace quorvel {

Simulator::Simulator(Display* display)
    : engine(display), display_(display ? display : &NullDisplay()) {}

Simulator::Simulator(const Simulator& base, Display* display)
    : SessionEndSink(),
      engine(base.engine),
      money(base.money),
      progression(base.progression),
      run(base.run),
      display_(display ? display : &NullDisplay()),
      modes_(base.modes_),
      chartDirectory_(base.chartDirectory_),
      chartProblem_(base.chartProblem_) {
  engine.SetDisplay(display_);
}

void Simulator::ApplySettings(const AppliedSettings& settings) {
  money.tableMinimum = settings.tableMinimum;
  money.tableMaximum = settings.tableMaximum;
  progression.Load(settings.progression);
  // Rules come first so that no out-of-range deck count reaches a shuffle.
  engine.SetRules(settings.rules);
  modes_ = settings.money.modes;
  ResetVariables(0);
  engine.shoe.SetCutPoint(engine.Rules().penetration);
  SetUpSessionMoney(money, settings.money);
  ReadChartFile(ChartFile(), engine.chart);
  chartProblem_ = ChartFileProblem(ChartFile());
  engine.shoe.ResetDeck();
  engine.shoe.ShuffleThreeTimes();
  // Also after a refused AUTO: the table shows the settings it now deals by.
  if (run.testRunning != 1) {
    display_->SetLabel(Label::bettotal, "");
    display_->SetLabel(Label::ELabel, "");
    display_->SetLabel(Label::Label1, GetCaption(money.bet));
    display_->SetLabel(Label::newwinnings, GetCaption(money.bankroll));
  }
}

std::filesystem::path Simulator::ChartFile() const {
  const TableRules& rules = engine.Rules();
  return chartDirectory_ / ChartFileName({rules.decks, rules.dealerHitsSoft17,
                                          rules.noDoubleAfterSplit, rules.lateSurrender});
}

void Simulator::DealCards() {
  run.handsPlayed += 1;
  const bool drawing = run.testRunning == 0;
  engine.SetDrawing(drawing);
  if (drawing) ShowCaption(*display_, Label::counter1, run.handsPlayed);

  engine.PlayRound();
  const std::array<float, kUserHands>& results = engine.handResults;
  lastNet_ = results[0] + results[1] + results[2] + results[3];

  const HandArea& hands = engine.hands;
  const std::array<bool, kUserHands> slotsInPlay = {hands[0] != 0, hands[10] != 0,
                                                     hands[20] != 0, hands[30] != 0};
  const std::array<float, kUserHands> stakes = RoundStakes(results, slotsInPlay, engine.handDoubled);
  const SettlementContext context{run.testRunning != 0, modes_, &progression, this, display_};
  lastRoundOutcome_ = AdjustWinnings(money, engine.handResults, stakes, context);

  engine.CheckShoe();
  if (run.testRunning <= 0) run.testRunning = 0;
  if (run.testRunning == 0) {
    ShowCaption(*display_, Label::newwinnings, money.bankroll);
  } else {
    EndOfRoundTest();
  }
}

void Simulator::ResetVariables(int level) {
  money.lossesInRow = 0;
  money.winsInRow = 0;
  if (level <= 3) {
    money.betUnits = 1.0f;
    engine.shoe.ShuffleThreeTimes();
    money.resultHistory.fill(0);
  }
  if (level <= 2) {
    if (money.unitFraction != 0) CheckPercent(money);
    money.bet = money.unitDollars;
  }
  if (level == 0) {
    run.handsPlayed = 0;
    money.totalBet = 0;
    money.stakesPlayed = 0;
    money.winTarget = 0;
    money.lossFloor = 0;
    money.handsWon = 0;
    money.handsLost = 0;
    money.bankroll = money.startingBankroll;
  }
  // A refused AUTO (-1) runs no test: the table's labels are reset as in manual play.
  if (run.testRunning == 1 || level > 3) return;
  display_->Vanish();
  display_->ProcessEvents();
  if (level == 0) {
    display_->ReloadBackground();
    display_->ProcessEvents();
    for (Label label : {Label::dealer, Label::Label1, Label::PHLabel, Label::oldwinnings,
                        Label::Label4, Label::newwinnings, Label::counter1, Label::test8,
                        Label::Q2, Label::Q3}) {
      display_->SetLabel(label, "");
    }
  }
}

void Simulator::Shuffle1Click() {
  engine.shoe.ShuffleThreeTimes();
  display_->ReloadBackground();
  display_->ProcessEvents();
  for (Label label : {Label::dealer, Label::Label1, Label::Label4, Label::newwinnings,
                      Label::counter1, Label::test8}) {
    display_->SetLabel(label, "");
  }
  display_->Vanish();
  display_->ProcessEvents();
}

void Simulator::EndSession(std::string_view message) {
  run.sessionLastHand = run.handsPlayed;
  if (run.testRunning != 0) {
    // The first end in a round names the cause: rules act before the limits.
    if (endCause_ == SessionEndCause::kRoundCount) {
      endCause_ = message == kWinLimitMessage    ? SessionEndCause::kWinLimit
                  : message == kLossLimitMessage ? SessionEndCause::kLossLimit
                                                 : SessionEndCause::kEndRule;
    }
    return;
  }
  display_->ShowLimitDialog(message);
  money.sessionBlocked = true;
}

void Simulator::StartSession(uint64_t streamState, double handsPerSession) {
  run.testRunning = 1;
  run.handsPlayed = 0;
  run.handsPerSession = handsPerSession;
  run.sessionLastHand = handsPerSession;
  money.handsWon = 0;
  money.handsLost = 0;
  money.totalBet = 0;
  money.stakesPlayed = 0;
  money.bankroll = money.startingBankroll;
  engine.shoe.Random().SetState(streamState);
  ResetVariables(1);
  // Every session starts afresh: a win limit armed in an earlier session does
  // not carry over, and the first stake obeys the table limits.
  money.stopAtNextLoss = false;
  money.limitsActive = true;
  money.bet = CheckLimits(money, money.bet);
  track_ = SessionTrack{};
  endCause_ = SessionEndCause::kRoundCount;
}

void Simulator::EndOfRoundTest() {
  // Tracked on every round whatever the session length, so a session without
  // a round limit still has its high and low.
  // Whole dollars are worked out only when a new high or low is recorded.
  const double bankroll = money.bankroll;
  track_.sessionHand += 1;
  if (track_.sessionHand == 1) {
    track_.maxHigh = track_.maxLow = WholeDollars(bankroll);
    track_.maxHighHand = track_.maxLowHand = 1;
    track_.exactHigh = track_.exactLow = bankroll;
  }
  // Ties keep the earlier round.
  if (bankroll > track_.exactHigh) {
    track_.exactHigh = bankroll;
    track_.maxHigh = WholeDollars(bankroll);
    track_.maxHighHand = track_.sessionHand;
  }
  if (bankroll < track_.exactLow) {
    track_.exactLow = bankroll;
    track_.maxLow = WholeDollars(bankroll);
    track_.maxLowHand = track_.sessionHand;
  }
}

}  // namespace quorvel
