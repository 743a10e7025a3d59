// TForm1's buttons and menus: manual play, reset, shuffle, statistics, the shell's items.
#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QShowEvent>

#include "money/caption.h"
#include "runs/format_totals.h"
#include "runs/money_figures.h"
#include "ui/about_box.h"
#include "ui/charts_screen.h"
#include "ui/help_window.h"
#include "ui/limit_dialog.h"
#include "ui/main_screen.h"
#include "ui/modal_seam.h"
#include "ui/options_screen.h"

namespace quorvel::ui {
namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

void TForm1::DealClick() {
  if (table_.run.testRunning == 1) return;
  // No round is dealt without a whole chart: the table says which file and why.
  if (std::optional<std::string> refusal = DealRefusal(table_)) {
    SetLabel(Label::Suspend, *refusal);
    return;
  }
  if (table_.money.sessionBlocked) {
    if (screens_.limit != nullptr) modals_.Exec(*screens_.limit);
    return;
  }
  // Events run while a round is dealt; a second DEAL then must not start a
  // round inside the first.
  if (dealing_) return;
  dealing_ = true;
  Q2->clear();
  Q3->clear();
  table_.run.runRequested = false;
  Suspend->hide();
  Vanish();
  ReloadBackground();
  ProcessEvents();
  oldwinnings->setText(Text(GetCaption(table_.money.bankroll)));
  table_.DealCards();
  RefreshStatistics();
  dealing_ = false;
}

void TForm1::RefreshStatistics() {
  ShowResultPerHand();
  if (!QPanel->isHidden()) ShowBetFigures();
  const MoneyState& money = table_.money;
  test1->setText(QString::number(money.handsWon));
  test2->setText(QString::number(money.handsLost));
  test3->setText(QString::number(money.winsInRow));
  test4->setText(QString::number(money.lossesInRow));
}

void TForm1::ShowResultPerHand() {
  const MoneyState& money = table_.money;
  PHLabel->setText(Text(FormatTotals(
      kDollarForm, ResultPerHand(money.bankroll, money.startingBankroll, table_.run.handsPlayed))));
}

void TForm1::ShowBetFigures() {
  const MoneyState& money = table_.money;
  bettotal->setText(Text(FormatTotals(kDollarForm, money.totalBet)));
  // Before anything is bet the ratio keeps what it showed.
  if (auto ratio = WinningsPerDollarBet(money.bankroll, money.startingBankroll, money.totalBet)) {
    ELabel->setText(Text(FormatTotals(kRatioForm, *ratio)));
  }
}

void TForm1::Reset1Click() {
  if (dealing_) return;
  if (Controller().Running()) Controller().StopTests();
  if (!AcceptOutsideChange()) return;
  Controller().Reset1Click();
  AfterReturnData();
}

void TForm1::Shuffle1Click() {
  // The workers copy the table at every session start: it must not change under them.
  if (dealing_ || Controller().Running()) return;
  table_.Shuffle1Click();
}

void TForm1::Stats1Click() {
  if (Controller().Running()) {
    ShowLiveFigures();
    return;
  }
  QPanel->show();
  ShowBetFigures();
  ShowResultPerHand();
}

void TForm1::TWindowClick() {
  const bool open = Panel1->isHidden();
  TWindow->setChecked(open);
  Panel1->setVisible(open);
}

void TForm1::Chart1Click() {
  if (screens_.options != nullptr) {
    screens_.options->RequestClose();
    // Saved by the window's own screen, to be applied at the next RESET.
    Controller().NoteLastUsedFile();
  }
  if (screens_.charts == nullptr) return;
  const TableOptions& options = active_.options;
  screens_.charts->ChartData(options.decks, options.dealerHitsSoft17 != 0,
                             options.lateSurrender != 0, options.noDoubleAfterSplit != 0);
}

void TForm1::About1Click() {
  if (screens_.about != nullptr) modals_.Exec(*screens_.about);
}

void TForm1::ContentsClick() {
  if (screens_.help != nullptr) screens_.help->ShowContents();
}

void TForm1::Exit1Click() { close(); }

void TForm1::ShowSettingsMemo() {
  quorvel::ShowSettingsMemo(active_.progression, memo_);
  QStringList lines;
  for (const std::string& line : memo_) lines << Text(line);
  Memo1->setPlainText(lines.join('\n'));
}

void TForm1::GetDirectory() {
  std::error_code error;
  std::filesystem::current_path(startupDirectory_, error);
}

void TForm1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TForm1::FormShow() {
  LoadBackground();
  ProcessEvents();
}

void TForm1::closeEvent(QCloseEvent* event) {
  // A round in progress finishes before the program ends.
  if (dealing_) {
    event->ignore();
    return;
  }
  if (Controller().Running()) Controller().StopTests();
  // Edits made on the options screen survive to the next start, even after
  // "EXIT WITHOUT RESETTING TEST"; untouched values are not written back over
  // what quorvel-cli may have written since.
  if (screens_.options != nullptr) screens_.options->SaveUnsavedEdits();
  QMainWindow::closeEvent(event);
}

}  // namespace quorvel::ui
