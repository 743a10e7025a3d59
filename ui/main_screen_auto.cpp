// TForm1's way into the other screens: OPTIONS, and AUTO / STOP with the test running off the screen thread.
#include <QAction>
#include <QLabel>
#include <QThread>
#include <QTimer>

#include "runs/format_totals.h"
#include "runs/general_text.h"
#include "runs/money_figures.h"
#include "runs/return_data.h"
#include "ui/main_screen.h"
#include "ui/modal_seam.h"
#include "ui/options_screen.h"
#include "ui/test_progress_panel.h"
#include "ui/compare_screen.h"
#include "ui/test_screen.h"

namespace quorvel::ui {

void TForm1::SetScreens(const Screens& screens) {
  screens_ = screens;
  if (screens_.autoTest != nullptr) {
    screens_.autoTest->SetStartTests(
        [this](int sessions, double hands, uint64_t seed) { return StartTests(sessions, hands, seed); });
  }
}

void TForm1::Compare1Click() {
  if (screens_.compare != nullptr) screens_.compare->Open();
}

void TForm1::OptButtonClick() {
  if (screens_.options != nullptr && screens_.options->isMinimized()) screens_.options->showNormal();
  OpenOptions();
}

void TForm1::Strategy1Click() { OpenOptions(); }

void TForm1::OpenOptions() {
  // No dialog opens while a test runs: applying settings would change the table under the workers.
  if (screens_.options == nullptr || dealing_ || controller_.Running()) return;
  modals_.Exec(*screens_.options);
  if (screens_.options->KeepOldSettings()) return;
  ReturnData(table_, active_, lastUsedFile_);
  AfterReturnData();
  ShowSettingsMemo();
}

void TForm1::AutoClick() {
  if (dealing_) return;
  switch (controller_.RunTests()) {
    case AutoOutcome::kRefused:
      return;
    case AutoOutcome::kStopped:
      pollTimer_->stop();
      ShowPanelsAfterTest();
      if (screens_.autoTest != nullptr) screens_.autoTest->TestEnded();
      return;
    case AutoOutcome::kChooseTest:
      ChooseTest();
      return;
  }
}

void TForm1::ChooseTest() {
  if (screens_.autoTest == nullptr) return;
  modals_.Exec(*screens_.autoTest);
  if (!table_.run.runRequested) return;  // closed without Start
  Panel1->hide();
  QPanel->hide();
  TWindow->setChecked(false);
  pollTimer_->start();
}

std::optional<std::string> TForm1::StartTests(int sessions, double handsPerSession, uint64_t seed) {
  const int threads = std::max(1, QThread::idealThreadCount());
  std::optional<std::string> problem = controller_.StartTests(sessions, handsPerSession, seed, threads);
  if (!problem) Progress->Start(sessions, handsPerSession);
  return problem;
}

void TForm1::PollTest() {
  Progress->Update(controller_.Progress());
  if (!controller_.WorkersDone()) return;
  pollTimer_->stop();
  controller_.FinishTest();
  ShowPanelsAfterTest();
  // The user sees the results first, then lands on the test screen with the log ready to review.
  if (screens_.autoTest != nullptr) {
    screens_.autoTest->TestEnded();
    screens_.autoTest->ResultsClick();
  }
  if (controller_.RunTests() == AutoOutcome::kChooseTest) ChooseTest();
}

void TForm1::ShowPanelsAfterTest() {
  if (!geometry_.wideLayout) return;
  Panel1->show();
  QPanel->show();
}

void TForm1::ShowLiveFigures() {
  // The test runs on while the panel shows for two seconds.
  const TestProgress& progress = controller_.Progress();
  const double winnings = progress.FinishedWinnings();
  const double totalBet = progress.FinishedTotalBet();
  counter1->setText(QString::fromStdString(GeneralText(static_cast<double>(progress.Rounds()))));
  Q2->setText(QString("%1 sessions finished; the figures are theirs.").arg(progress.SessionsFinished()));
  bettotal->setText(QString::fromStdString(FormatTotals(kDollarForm, totalBet)));
  PHLabel->setText(QString::fromStdString(
      FormatTotals(kDollarForm, ResultPerHand(winnings, 0, progress.FinishedRounds()))));
  if (auto ratio = WinningsPerDollarBet(winnings, 0, totalBet)) {
    ELabel->setText(QString::fromStdString(FormatTotals(kRatioForm, *ratio)));
  }
  QPanel->show();
  QTimer::singleShot(2000, this, [this] {
    if (controller_.Running()) QPanel->hide();
  });
}

}  // namespace quorvel::ui
