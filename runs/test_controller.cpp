// The AUTO, STOP and RESET buttons over a test that runs on worker threads.
#include "runs/test_controller.h"

#include "money/caption.h"
#include "money/whole_dollars.h"
#include "runs/format_totals.h"
#include "runs/general_text.h"
#include "runs/money_figures.h"
#include "runs/return_data.h"

namespace quorvel {
namespace {

constexpr const char* kRunningMessage = "Running Tests Now... Click Stats to Check Status";

}  // namespace

TestController::TestController(Simulator& table, ActiveSettings& active,
                               std::filesystem::path lastUsedFile)
    : table_(table), active_(active), lastUsedFile_(std::move(lastUsedFile)) {}

TestController::~TestController() {
  stop_.store(true);
  if (worker_.joinable()) worker_.join();
}

AutoOutcome TestController::RunTests() {
  Display& screen = table_.Screen();
  screen.SetLabel(Label::Q2, "");
  screen.SetLabel(Label::Q3, "");
  if (!table_.engine.chart.Loaded()) {
    screen.SetLabel(Label::Suspend, kUnableToLoadData);
    table_.run.runRequested = false;
    table_.run.testRunning = -1;
    return AutoOutcome::kRefused;
  }
  if (table_.run.testRunning != 0) {
    StopTests();
    return AutoOutcome::kStopped;
  }
  return AutoOutcome::kChooseTest;
}

std::optional<std::string> TestController::StartTests(int sessions, double handsPerSession,
                                                      uint64_t seed, int threads) {
  if (worker_.joinable()) return std::string("A test is already running.");
  TestPlan plan;
  plan.sessions = sessions;
  plan.handsPerSession = handsPerSession;
  plan.seed = seed;
  plan.threads = threads;
  plan.endAtBust = endAtBust_;
  plan.roundsPerHour = roundsPerHour_;
  // The screens show every session on the log page and its walks, so they keep to its rows.
  plan.walks = true;
  if (sessions < 1 || !PlanHasLog(plan)) {
    return std::string("The number of sessions must be from 1 to 99.");
  }
  if (auto problem = CheckPlan(plan)) return problem;

  Display& screen = table_.Screen();
  for (Label label : {Label::test1, Label::test2, Label::test3, Label::test4}) screen.SetLabel(label, "0");
  // Seeded before the settings shuffle the shoe, as the command line does, so
  // one seed gives the same log from either.
  table_.Seed(static_cast<uint32_t>(seed));
  ReturnData(table_, active_, lastUsedFile_);
  if (!table_.engine.chart.Loaded()) return std::string(kUnableToLoadData);

  // The log's start amount is taken after the settings are applied again, so
  // winnings are counted from the bankroll the sessions really start from.
  stats_.startDollars = WholeDollars(table_.money.startingBankroll);
  log_.Start(sessions);
  table_.run.handsPerSession = handsPerSession;
  table_.run.sessionsLeft = static_cast<int8_t>(sessions);
  table_.run.runRequested = true;
  table_.run.testRunning = 1;
  screen.Vanish();
  screen.SetLabel(Label::Suspend, kRunningMessage);
  screen.SetLabel(Label::Auto, "STOP");

  stop_.store(false);
  workersDone_.store(false);
  progress_.Reset();
  problem_.reset();
  worker_ = std::thread([this, plan] {
    problem_ = RunTest(table_, plan, stop_, progress_, result_, stats_, log_);
    workersDone_.store(true);
  });
  return std::nullopt;
}

void TestController::StopTests() {
  stop_.store(true);
  const bool testRan = worker_.joinable();
  if (testRan) worker_.join();
  table_.run.runRequested = false;
  table_.run.testRunning = 0;
  Display& screen = table_.Screen();
  screen.ProcessEvents();
  screen.HideLabel(Label::Suspend);
  screen.SetLabel(Label::Auto, "AUTO");
  // After a refused AUTO no test ran: the table stays as it is.
  if (!testRan) return;

  // The table shows the test's counters: sums over its sessions.
  table_.run.handsPlayed = result_.handsPlayed;
  table_.money.handsWon = result_.handsWon;
  table_.money.handsLost = result_.handsLost;
  table_.money.totalBet = result_.totalBet;
  table_.money.bankroll = result_.bankroll;
  table_.money.winsInRow = result_.winsInRow;
  table_.money.lossesInRow = result_.lossesInRow;
  ShowCounters();
}

void TestController::ShowCounters() {
  Display& screen = table_.Screen();
  const MoneyState& money = table_.money;
  screen.SetLabel(Label::oldwinnings, GetCaption(money.bankroll));
  screen.SetLabel(Label::test1, std::to_string(money.handsWon));
  screen.SetLabel(Label::test2, std::to_string(money.handsLost));
  screen.SetLabel(Label::test3, std::to_string(money.winsInRow));
  screen.SetLabel(Label::test4, std::to_string(money.lossesInRow));
  screen.SetLabel(Label::counter1, GeneralText(table_.run.handsPlayed));
  screen.SetLabel(Label::newwinnings, GeneralText(money.bankroll));
}

void TestController::FinishTest() {
  StopTests();
  Display& screen = table_.Screen();
  screen.SetLabel(Label::counter1, GeneralText(table_.run.handsPlayed));
  screen.SetLabel(Label::newwinnings, "");
  const MoneyState& money = table_.money;
  screen.SetLabel(Label::PHLabel,
                  FormatTotals(kDollarForm, ResultPerHand(money.bankroll, money.startingBankroll,
                                                          table_.run.handsPlayed)));
}

SettingsStatus TestController::Reset1Click() {
  if (worker_.joinable()) StopTests();
  Display& screen = table_.Screen();
  for (Label label : {Label::test1, Label::test2, Label::test3, Label::test4}) screen.SetLabel(label, "0");
  return ReturnData(table_, active_, lastUsedFile_);
}

}  // namespace quorvel
