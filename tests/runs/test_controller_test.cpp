// The AUTO, STOP and RESET buttons: refusing without a chart, starting, stopping and finishing a test.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <thread>

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

  screen.controller.Reset1Click();  // settings applied: the chart loads
  ASSERT_TRUE(screen.table.engine.chart.Loaded());
  EXPECT_EQ(screen.controller.RunTests(), AutoOutcome::kStopped);  // hides the message
  EXPECT_TRUE(screen.display.hidden[Label::Suspend]);
  EXPECT_EQ(screen.table.run.testRunning, 0);
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
  EXPECT_FALSE(screen.controller.Log().Lines()[2].empty());
}

TEST(TestControllerTest, StopEndsATestWithoutARoundLimit) {
  Screen screen;
  screen.controller.Reset1Click();
  ASSERT_EQ(screen.controller.StartTests(3, 0, 9, 2), std::nullopt);
  while (screen.controller.Progress().Rounds() == 0) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  EXPECT_EQ(screen.controller.RunTests(), AutoOutcome::kStopped);
  EXPECT_FALSE(screen.controller.Running());
  EXPECT_TRUE(screen.controller.Result().stopped);
  EXPECT_GT(screen.table.run.handsPlayed, 0);
  EXPECT_EQ(screen.table.run.testRunning, 0);
}

TEST(TestControllerTest, StopAfterARefusedAutoLeavesTheTableAsItIs) {
  Screen screen;
  EXPECT_EQ(screen.controller.RunTests(), AutoOutcome::kRefused);
  screen.controller.Reset1Click();  // the chart loads; AUTO is still refused
  ASSERT_EQ(screen.table.run.testRunning, -1);
  EXPECT_EQ(screen.controller.RunTests(), AutoOutcome::kStopped);
  EXPECT_EQ(screen.table.money.bankroll, 1000);
  EXPECT_EQ(screen.table.run.handsPlayed, 0);
  EXPECT_TRUE(screen.display.hidden[Label::Suspend]);
  EXPECT_EQ(screen.display.labels[Label::Auto], "AUTO");
}

TEST(TestControllerTest, StopShowsTheInterruptedSessionsRuns) {
  Screen screen;
  screen.controller.Reset1Click();
  ASSERT_EQ(screen.controller.StartTests(2, 0, 11, 1), std::nullopt);
  while (screen.controller.Progress().Rounds() == 0) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  screen.controller.StopTests();
  const SessionRecord& interrupted = screen.controller.Result().sessions[0];
  ASSERT_FALSE(interrupted.finished);
  EXPECT_EQ(screen.table.money.winsInRow, interrupted.winsInRow);
  EXPECT_EQ(screen.table.money.lossesInRow, interrupted.lossesInRow);
  EXPECT_EQ(screen.display.labels[Label::test3], std::to_string(interrupted.winsInRow));
  EXPECT_EQ(screen.display.labels[Label::test4], std::to_string(interrupted.lossesInRow));
  EXPECT_GT(interrupted.winsInRow + interrupted.lossesInRow, 0);
}

TEST(TestControllerTest, LiveFiguresSumTheFinishedSessions) {
  Screen screen;
  screen.controller.Reset1Click();
  ASSERT_EQ(screen.controller.StartTests(3, 500, 4, 2), std::nullopt);
  screen.WaitForWorkers();
  const TestProgress& progress = screen.controller.Progress();
  screen.controller.FinishTest();
  const TestResult& result = screen.controller.Result();
  EXPECT_EQ(progress.SessionsFinished(), 3);
  EXPECT_EQ(progress.FinishedRounds(), 1500);
  EXPECT_DOUBLE_EQ(progress.FinishedTotalBet(), result.totalBet);
  EXPECT_DOUBLE_EQ(progress.FinishedWinnings(), result.winnings);
}

TEST(TestControllerTest, RefusesASessionCountTheLogCannotHold) {
  Screen screen;
  screen.controller.Reset1Click();
  EXPECT_NE(screen.controller.StartTests(0, 1000, 1, 1), std::nullopt);
  EXPECT_NE(screen.controller.StartTests(100, 1000, 1, 1), std::nullopt);
  EXPECT_EQ(screen.table.run.testRunning, 0);
}

}  // namespace
}  // namespace quorvel
