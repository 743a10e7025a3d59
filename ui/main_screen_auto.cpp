// TForm1's way into the other screens: OPTIONS, and AUTO / STOP with the test running off the screen thread.
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "runs/figures_text.h"
#include "runs/format_totals.h"
#include "runs/general_text.h"
#include "runs/money_figures.h"
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
  if (screens_.options == nullptr || dealing_ || Controller().Running()) return;
  modals_.Exec(*screens_.options);
  if (screens_.options->KeepOldSettings()) return;
  Controller().ApplyLastUsed();
  AfterReturnData();
  ShowSettingsMemo();
}

void TForm1::AutoClick() {
  if (dealing_) return;
  switch (RunTests()) {
    case AutoOutcome::kRefused:
    case AutoOutcome::kStopped:  // a stopped test reports its end
      return;
    case AutoOutcome::kChooseTest:
      if (AcceptOutsideChange()) ChooseTest();
      return;
  }
}

bool TForm1::AcceptOutsideChange() {
  if (!Controller().LastUsedChangedOutside()) return true;
  const QString question =
      QString("The last-used settings file %1 has changed since this window read it (quorvel-cli "
              "writes it too). Play its new settings?")
          .arg(QString::fromStdString(lastUsedFile_.string()));
  if (!modals_.Ask(this, windowTitle(), question)) return false;
  if (screens_.options != nullptr) screens_.options->ReloadLastUsed();
  return true;
}

void TForm1::ChooseTest() {
  if (screens_.autoTest == nullptr) return;
  modals_.Exec(*screens_.autoTest);
  if (!table_.run.runRequested) return;  // closed without Start
  Panel1->hide();
  QPanel->hide();
  TWindow->setChecked(false);
}

std::optional<std::string> TForm1::StartTests(int sessions, double handsPerSession, uint64_t seed) {
  std::optional<std::string> problem = lifetime_.Start(sessions, handsPerSession, seed);
  if (problem) return problem;
  // The start applied the last-used settings; the memo follows their progression switch.
  AfterReturnData();
  Progress->Start(sessions, handsPerSession);
  EnableTableControls(false);
  return std::nullopt;
}

void TForm1::TestEnded(bool finished) {
  EnableTableControls(true);
  ShowPanelsAfterTest();
  if (screens_.autoTest != nullptr) screens_.autoTest->TestEnded();
  if (!finished) {
    const std::array<std::string, 2> message = StoppedTestMessage(Controller().Result());
    Q2->setText(QString::fromStdString(message[0]));
    Q3->setText(QString::fromStdString(message[1]));
  }
  // STOP, RESET and closing the window end a test where the user asked; only
  // a test that ran to its end leads on to its results and the test screen.
  if (!finished || Controller().Running()) return;
  if (screens_.autoTest != nullptr) screens_.autoTest->ResultsClick();
  if (RunTests() == AutoOutcome::kChooseTest) ChooseTest();
}

AutoOutcome TForm1::RunTests() {
  // A hidden panel keeps its lines for when it is shown.
  if (!QPanel->isHidden()) {
    Q2->clear();
    Q3->clear();
  }
  return Controller().RunTests();
}

void TForm1::EnableTableControls(bool enabled) {
  for (QWidget* control : std::initializer_list<QWidget*>{Deal, OptButton}) control->setEnabled(enabled);
  Shuffle1->setEnabled(enabled);
  Strategy1->setEnabled(enabled);
}

void TForm1::ShowPanelsAfterTest() {
  if (!geometry_.wideLayout) return;
  Panel1->show();
  QPanel->show();
}

void TForm1::ShowLiveFigures() {
  // The test runs on while the panel shows for two seconds.
  const TestProgress& progress = Controller().Progress();
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
    if (Controller().Running()) QPanel->hide();
  });
}

}  // namespace quorvel::ui
