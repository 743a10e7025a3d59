// TResults: the figures table, the plots on their pages, and the saves.
#include "ui/results_screen.h"

#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "runs/figures_text.h"
#include "runs/test_figures.h"
#include "runs/winnings_histogram.h"
#include "ui/chart_export.h"
#include "ui/figure_pages.h"
#include "ui/modal_seam.h"
#include "ui/results_plots.h"
#include "ui/save_dialog.h"

namespace quorvel::ui {

TResults::TResults(ModalSeam& modals, QSize display, std::filesystem::path startupDirectory,
                   QWidget* parent)
    : QDialog(parent), modals_(modals), startupDirectory_(std::move(startupDirectory)) {
  setObjectName("Results");
  setWindowTitle("Results");
  CreateControls();
  // Room for the table's rows and the plots, inside the smallest display.
  resize(std::min(980, display.width() - 24), std::min(700, display.height() - 48));
}

void TResults::CreateControls() {
  ResultsTabs = new QTabWidget(this);
  ResultsTabs->setObjectName("ResultsTabs");
  FiguresTable = FiguresTableView("FiguresTable", {"Figure", "System", "Flat bet"}, this);
  FiguresTable->setAccessibleName("Figures of the system and of its flat-bet twin");
  FiguresTable->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  FiguresTable->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  FiguresTable->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
  ResultsTabs->addTab(FiguresTable, "Figures");

  auto* walksPage = new QWidget(this);
  auto* walksLayout = new QVBoxLayout(walksPage);
  auto* chooser = new QHBoxLayout;
  WalkSessions = new QComboBox(walksPage);
  WalkSessions->setObjectName("WalkSessions");
  chooser->addWidget(new QLabel("Sessions shown:", walksPage));
  chooser->addWidget(WalkSessions);
  chooser->addStretch();
  walksLayout->addLayout(chooser);
  WalksView = PlotView("WalksView", walksPage);
  walksLayout->addWidget(WalksView);
  connect(WalkSessions, &QComboBox::activated, this, &TResults::WalkSessionsChange);
  ResultsTabs->addTab(walksPage, "Bankroll walks");
  WinningsView = AddPlotPage(*ResultsTabs, "WinningsView", "Session winnings");
  StakesView = AddPlotPage(*ResultsTabs, "StakesView", "Largest stakes");
  RuinView = AddPlotPage(*ResultsTabs, "RuinView", "Risk of ruin");

  SaveFigures = ScreenButton(this, "SaveFigures", "Save Figures CSV", &TResults::SaveFiguresClick);
  SaveSessions = ScreenButton(this, "SaveSessions", "Save Sessions CSV", &TResults::SaveSessionsClick);
  SavePng = ScreenButton(this, "SavePng", "Save Plot as PNG", &TResults::SavePngClick);
  SaveSvg = ScreenButton(this, "SaveSvg", "Save Plot as SVG", &TResults::SaveSvgClick);
  CloseResults = ScreenButton<QDialog>(this, "CloseResults", "Close", &QDialog::reject);
  auto enablePlotSaves = [this] {
    SavePng->setEnabled(ShownPlot() != nullptr);
    SaveSvg->setEnabled(ShownPlot() != nullptr);
  };
  connect(ResultsTabs, &QTabWidget::currentChanged, this, enablePlotSaves);
  enablePlotSaves();

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ResultsTabs);
  layout->addLayout(SaveRow({SaveFigures, SaveSessions, SavePng, SaveSvg}, CloseResults));
}

void TResults::Open(const TestResult& result) {
  ShowResult(result);
  modals_.Exec(*this);
}

void TResults::ShowResult(const TestResult& result) {
  result_ = result;
  FillTable();
  WalkSessions->clear();
  for (const QString& page : WalkPages(result_)) WalkSessions->addItem(page);
  WalkSessions->setEnabled(WalkSessions->count() > 1);
  WalkSessionsChange();
  DrawWinnings(*WinningsView, HistogramOfWinnings(result_));
  DrawStakes(*StakesView, result_);
  DrawRuinRisk(*RuinView, result_);
}

void TResults::FillTable() {
  const TestFigures figures = ComputeFigures(result_);
  const std::vector<FigureLine> system = SystemLines(figures.system);
  const std::vector<FigureLine> flat = SystemLines(figures.flat);
  const std::vector<FigureLine> test = TestLines(figures);
  FiguresTable->clearSpans();
  FiguresTable->setRowCount(static_cast<int>(system.size() + test.size()));
  int row = 0;
  for (std::size_t line = 0; line < system.size(); ++line, ++row) {
    FiguresTable->setItem(row, 0, FigureCell(system[line].label));
    FiguresTable->setItem(row, 1, FigureCell(system[line]));
    FiguresTable->setItem(row, 2, FigureCell(flat[line]));
  }
  // A figure of the test as a whole has no twin of its own: it spans both columns.
  for (const FigureLine& line : test) {
    FiguresTable->setItem(row, 0, FigureCell(line.label));
    FiguresTable->setItem(row, 1, FigureCell(line));
    FiguresTable->setItem(row, 2, FigureCell(""));
    FiguresTable->setSpan(row, 1, 1, 2);
    ++row;
  }
}

void TResults::WalkSessionsChange() {
  DrawWalks(*WalksView, result_, std::max(0, WalkSessions->currentIndex()));
}

QChartView* TResults::ShownPlot() const { return ui::ShownPlot(*ResultsTabs); }

void TResults::Save(const QString& title, const QString& name, const QString& filter,
                    const std::function<std::string()>& bytes) {
  SaveThroughDialog(modals_, this, startupDirectory_, title, name, filter, bytes);
}

void TResults::SaveFiguresClick() {
  Save("Save Figures CSV", "figures.csv", "CSV Files (*.csv)",
       [this] { return FiguresCsv(ComputeFigures(result_)); });
}

void TResults::SaveSessionsClick() {
  Save("Save Sessions CSV", "sessions.csv", "CSV Files (*.csv)", [this] { return SessionsCsv(result_); });
}

void TResults::SavePngClick() { SavePlot(false); }

void TResults::SaveSvgClick() { SavePlot(true); }

void TResults::SavePlot(bool svg) {
  // "WalksView" is offered as walks.png.
  if (QChartView* plot = ShownPlot()) {
    SavePlotThroughDialog(modals_, this, startupDirectory_, *plot, plot->objectName().chopped(4).toLower(), svg);
  }
}

}  // namespace quorvel::ui
