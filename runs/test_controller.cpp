// The AUTO, STOP and RESET buttons over a test that runs on worker threads.
#include "runs/test_controller.h"

#include <algorithm>

#include "config/settings_damage.h"
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

int WorkerThreadsFor(int processors) { return std::clamp(processors, 1, kMaxWorkers); }

TestController::TestController(Simulator& table, ActiveSettings& active,
                               std::filesystem::path lastUsedFile)
    : table_(table), active_(active), lastUsedFile_(std::move(lastUsedFile)) {}

TestController::~TestController() {
  stop_.store(true);
  if (worker_.joinable()) worker_.join();
}

AutoOutcome TestController::RunTests() {
  Display& screen = table_.Screen();
  if (std::optional<std::string> refusal = DealRefusal(table_)) {
    screen.SetLabel(Label::Suspend, *refusal);
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
                                                      uint64_t seed, int processors) {
  if (phase_ == TestPhase::kRunning || phase_ == TestPhase::kStopping) {
    return std::string("A test is already running.");
  }
  TestPlan plan;
  plan.sessions = sessions;
  plan.handsPerSession = handsPerSession;
  plan.seed = seed;
  plan.threads = WorkerThreadsFor(processors);
  plan.endAtBust = endAtBust_;
  plan.roundsPerHour = roundsPerHour_;
  // The screens show every session on the log page and its walks, so they keep to its rows.
  plan.walks = true;
  if (sessions < 1 || !PlanHasLog(plan)) {
    return std::string("The number of sessions must be from 1 to 99.");
  }
  // The progress panel counts rounds in whole numbers: a session beyond what
  // the test screen offers would overflow it.
  if (handsPerSession != 0 && !(handsPerSession >= 1 && handsPerSession <= kMostHandsPerSession)) {
    return std::string("The number of hands per session must be from 1 to 100000000, or 0 for no limit.");
  }
  if (auto problem = CheckPlan(plan)) return problem;

  Display& screen = table_.Screen();
  for (Label label : {Label::test1, Label::test2, Label::test3, Label::test4}) screen.SetLabel(label, "0");
  // Seeded before the settings shuffle the shoe, as the command line does, so
  // one seed gives the same log from either.
  table_.Seed(static_cast<uint32_t>(seed));
  ApplyLastUsed();
  if (std::optional<std::string> refusal = DealRefusal(table_)) return refusal;

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
  phase_ = TestPhase::kRunning;
  worker_ = std::thread([this, plan] {
    problem_ = RunTest(table_, plan, stop_, progress_, result_, stats_, log_);
    workersDone_.store(true);
  });
  return std::nullopt;
}

void TestController::CloseTest() {
  if (worker_.joinable()) worker_.join();
  table_.run.runRequested = false;
  table_.run.testRunning = 0;
  Display& screen = table_.Screen();
  screen.HideLabel(Label::Suspend);
  screen.SetLabel(Label::Auto, "AUTO");
  // The table shows the test's counters: sums over its sessions.
  CarryOnInterruptedSession();
  table_.run.handsPlayed = result_.handsPlayed;
  table_.money.handsWon = result_.handsWon;
  table_.money.handsLost = result_.handsLost;
  table_.money.totalBet = result_.totalBet;
  table_.money.bankroll = result_.bankroll;
  table_.money.winsInRow = result_.winsInRow;
  table_.money.lossesInRow = result_.lossesInRow;
}

void TestController::CarryOnInterruptedSession() {
  if (!result_.stoppedTable) return;
  // Manual play goes on as one table would after the stopped round: its stake,
  // its progression history and its shoe, not those of the test's start.
  const Simulator& stopped = *result_.stoppedTable;
  table_.engine = stopped.engine;
  table_.engine.SetDisplay(&table_.Screen());
  table_.money = stopped.money;
  table_.progression = stopped.progression;
  table_.run.sessionLastHand = 0;
  table_.run.sessionHand = 0;
}

bool TestController::StopTests() {
  if (phase_ != TestPhase::kRunning) {
    // After a refused AUTO no test ran: the table stays as it is.
    table_.run.runRequested = false;
    table_.run.testRunning = 0;
    table_.Screen().HideLabel(Label::Suspend);
    table_.Screen().SetLabel(Label::Auto, "AUTO");
    return false;
  }
  phase_ = TestPhase::kStopping;
  stop_.store(true);
  CloseTest();
  ShowCounters();
  ShowResultPerHand();
  End(TestEnd::kStopped);
  return true;
}

bool TestController::FinishTest() {
  if (phase_ != TestPhase::kRunning || !workersDone_.load()) return false;
  CloseTest();
  ShowCounters();
  Display& screen = table_.Screen();
  screen.SetLabel(Label::newwinnings, "");
  ShowResultPerHand();
  End(TestEnd::kFinished);
  return true;
}

void TestController::End(TestEnd end) {
  phase_ = end == TestEnd::kFinished ? TestPhase::kFinished : TestPhase::kStopped;
  if (endNotice_) endNotice_(end);
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

void TestController::ShowResultPerHand() {
  const MoneyState& money = table_.money;
  table_.Screen().SetLabel(
      Label::PHLabel, FormatTotals(kDollarForm, ResultPerHand(money.bankroll, money.startingBankroll,
                                                              table_.run.handsPlayed)));
}

SettingsStatus TestController::Reset1Click() {
  if (Running()) StopTests();
  Display& screen = table_.Screen();
  for (Label label : {Label::test1, Label::test2, Label::test3, Label::test4}) screen.SetLabel(label, "0");
  return ApplyLastUsed();
}

SettingsStatus TestController::ApplyLastUsed() {
  NoteLastUsedFile();
  if (std::optional<std::string> damage = SettingsFileDamage(lastUsedFile_)) {
    active_ = DefaultActiveSettings();
    table_.ApplySettings(ToAppliedSettings(active_));
    return {false, *damage};
  }
  return ReturnData(table_, active_, lastUsedFile_);
}

bool TestController::LastUsedChangedOutside() const {
  return SettingsBytesNow(lastUsedFile_) != lastUsedSeen_;
}

void TestController::NoteLastUsedFile() { lastUsedSeen_ = SettingsBytesNow(lastUsedFile_); }

}  // namespace quorvel
