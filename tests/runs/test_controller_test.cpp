// The AUTO, STOP and RESET buttons: refusing without a chart, starting, stopping and finishing a test.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <thread>
#include <utility>
#include <vector>

#include "config/default_settings.h"
#include "runs/test_controller.h"

namespace quorvel {
namespace {

struct LabelDisplay : Display {
  std::map<Label, std::string> labels;
  std::map<Label, bool> hidden;
  void SetLabel(Label label, std::string_view text) override {
    labels[label] = std::string(text);
    hidden[label] = false;
  }
  void HideLabel(Label label) override { hidden[label] = true; }
};

struct Screen {
  std::filesystem::path file =
      std::filesystem::temp_directory_path() / ("quorvel_controller_" + std::to_string(::getpid()) + ".sav");
  LabelDisplay display;
  Simulator table{&display};
  ActiveSettings active;
  TestController controller{table, active, file};

  Screen() { EXPECT_TRUE(SaveData(file, DefaultSettings())); }
  ~Screen() { std::filesystem::remove(file); }
  void WaitForWorkers() {
    while (!controller.WorkersDone()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
};

TEST(TestControllerTest, AutoWithoutAChartIsRefusedUntilOneIsLoaded) {
  Screen screen;
  EXPECT_EQ(screen.controller.RunTests(), AutoOutcome::kRefused);
  EXPECT_EQ(screen.display.labels[Label::Suspend], "    Unable to Load Data. Please check OPTIONS.");
  EXPECT_EQ(screen.table.run.testRunning, -1);
  EXPECT_EQ(screen.controller.RunTests(), AutoOutcome::kRefused);  // and again

  screen.display.labels[Label::counter1] = "77";
  screen.controller.Reset1Click();  // settings applied: the chart loads; AUTO is still refused
  ASSERT_TRUE(screen.table.engine.chart.Loaded());
  ASSERT_EQ(screen.table.run.testRunning, -1);
  // The table shows the settings it now deals by, and nothing of before.
  EXPECT_EQ(screen.display.labels[Label::newwinnings], "1000");
  EXPECT_EQ(screen.display.labels[Label::Label1], "10");
  EXPECT_EQ(screen.display.labels[Label::counter1], "");
  EXPECT_EQ(screen.controller.RunTests(), AutoOutcome::kStopped);  // hides the message
  EXPECT_TRUE(screen.display.hidden[Label::Suspend]);
  EXPECT_EQ(screen.display.labels[Label::Auto], "AUTO");
  EXPECT_EQ(screen.table.run.testRunning, 0);
  EXPECT_EQ(screen.table.money.bankroll, 1000);  // no test ran: the table stays as it is
  EXPECT_EQ(screen.table.run.handsPlayed, 0);
  EXPECT_EQ(screen.controller.RunTests(), AutoOutcome::kChooseTest);
}

TEST(TestControllerTest, AFinishedTestShowsItsCountersAndLog) {
  Screen screen;
  screen.controller.Reset1Click();
  ASSERT_EQ(screen.controller.StartTests(2, 1000, 5, 2), std::nullopt);
  EXPECT_EQ(screen.display.labels[Label::Auto], "STOP");
  EXPECT_EQ(screen.table.run.testRunning, 1);
  screen.WaitForWorkers();
  screen.controller.FinishTest();
  EXPECT_EQ(screen.table.run.testRunning, 0);
  EXPECT_EQ(screen.display.labels[Label::Auto], "AUTO");
  EXPECT_EQ(screen.display.labels[Label::counter1], "2000");
  EXPECT_EQ(screen.display.labels[Label::newwinnings], "");
  // Both sessions end back at the starting bankroll: the result per hand is nil.
  EXPECT_EQ(screen.display.labels[Label::PHLabel], "$0.00");
  EXPECT_EQ(screen.display.labels[Label::test1], std::to_string(screen.controller.Result().handsWon));
  EXPECT_EQ(screen.table.money.totalBet, screen.controller.Result().totalBet);  // the table takes the test's
  EXPECT_FALSE(screen.controller.Log().Lines()[2].empty());
  // The live figures sum the finished sessions.
  const TestProgress& progress = screen.controller.Progress();
  EXPECT_EQ(progress.SessionsFinished(), 2);
  EXPECT_EQ(progress.FinishedRounds(), 2000);
  EXPECT_DOUBLE_EQ(progress.FinishedTotalBet(), screen.controller.Result().totalBet);
  EXPECT_DOUBLE_EQ(progress.FinishedWinnings(), screen.controller.Result().winnings);
}

TEST(TestControllerTest, StopCarriesOnTheInterruptedSessionAndEndsOnce) {
  Screen screen;
  std::vector<TestEnd> ends;
  screen.controller.SetEndNotice([&](TestEnd end) { ends.push_back(end); });
  screen.controller.Reset1Click();
  // More processors than workers: the test runs on as many as it can.
  ASSERT_EQ(screen.controller.StartTests(2, 0, 11, 200), std::nullopt);
  EXPECT_NE(screen.controller.StartTests(2, 0, 11, 1), std::nullopt);  // one test at a time
  while (screen.controller.Progress().Rounds() == 0) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  EXPECT_EQ(screen.controller.RunTests(), AutoOutcome::kStopped);  // STOP
  EXPECT_TRUE(screen.controller.Result().stopped);
  EXPECT_EQ(screen.table.run.testRunning, 0);
  // Every later path to the end finds the test ended: no second report.
  EXPECT_FALSE(screen.controller.StopTests());
  EXPECT_FALSE(screen.controller.FinishTest());
  screen.controller.Reset1Click();
  EXPECT_EQ(ends, std::vector<TestEnd>{TestEnd::kStopped});
  ASSERT_EQ(screen.controller.StartTests(2, 0, 11, 1), std::nullopt);
  while (screen.controller.Progress().Rounds() == 0) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  screen.controller.StopTests();
  EXPECT_EQ(screen.controller.Phase(), TestPhase::kStopped);
  const SessionRecord& interrupted = screen.controller.Result().sessions[0];
  ASSERT_FALSE(interrupted.finished);
  // The table goes on from where the session stopped, not from the test's start.
  const Simulator& stopped = *interrupted.table;
  EXPECT_EQ(screen.table.money.bet, stopped.money.bet);
  EXPECT_EQ(screen.table.money.betUnits, stopped.money.betUnits);
  EXPECT_EQ(screen.table.money.resultHistory, stopped.money.resultHistory);
  EXPECT_EQ(screen.table.engine.shoe.drawPosition, stopped.engine.shoe.drawPosition);
  EXPECT_EQ(screen.table.engine.shoe.cards, stopped.engine.shoe.cards);
  EXPECT_EQ(screen.display.labels[Label::PHLabel].front(), '$');
  EXPECT_EQ(screen.table.money.winsInRow, interrupted.winsInRow);
  EXPECT_EQ(screen.table.money.lossesInRow, interrupted.lossesInRow);
  EXPECT_EQ(screen.display.labels[Label::test3], std::to_string(interrupted.winsInRow));
  EXPECT_EQ(screen.display.labels[Label::test4], std::to_string(interrupted.lossesInRow));
  EXPECT_GT(interrupted.winsInRow + interrupted.lossesInRow, 0);
}

TEST(TestControllerTest, RefusesWhatTheLogOrTheProgressCannotHold) {
  Screen screen;
  screen.controller.Reset1Click();
  const std::pair<int, double> refused[] = {{0, 1000}, {100, 1000}, {1, 1e30}, {1, 100000001}, {1, 0.5}, {1, -1}};
  for (auto [sessions, hands] : refused) {
    EXPECT_NE(screen.controller.StartTests(sessions, hands, 1, 1), std::nullopt) << sessions << " " << hands;
  }
  EXPECT_EQ(screen.controller.StartTests(1, 1e30, 1, 1),
            "The number of hands per session must be from 1 to 100000000, or 0 for no limit.");
  EXPECT_EQ(screen.table.run.testRunning, 0);
  EXPECT_EQ(WorkerThreadsFor(0), 1);
  EXPECT_EQ(WorkerThreadsFor(65), 64);
}

}  // namespace
}  // namespace quorvel
