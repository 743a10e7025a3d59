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
#include "ui/modal_seam.h"
#include "ui/results_plots.h"
#include "ui/save_dialog.h"

namespace quorvel::ui {
namespace {

QTableWidgetItem* Cell(const std::string& text) {
  auto* item = new QTableWidgetItem(QString::fromStdString(text));
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  return item;
}

}  // namespace

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
  FiguresTable = new QTableWidget(0, 3, this);
  FiguresTable->setObjectName("FiguresTable");
  FiguresTable->setHorizontalHeaderLabels({"Figure", "System", "Flat bet"});
  FiguresTable->setAccessibleName("Figures of the system and of its flat-bet twin");
  FiguresTable->verticalHeader()->hide();
  // Rows a little over a line high, so every figure shows without scrolling.
  FiguresTable->verticalHeader()->setDefaultSectionSize(FiguresTable->fontMetrics().height() + 8);
  FiguresTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
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
  WinningsView = PlotView("WinningsView", this);
  ResultsTabs->addTab(WinningsView, "Session winnings");
  StakesView = PlotView("StakesView", this);
  ResultsTabs->addTab(StakesView, "Largest stakes");
  RuinView = PlotView("RuinView", this);
  ResultsTabs->addTab(RuinView, "Risk of ruin");

  auto button = [this](const char* name, const QString& caption, void (TResults::*click)()) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, click);
    return b;
  };
  SaveFigures = button("SaveFigures", "Save Figures CSV", &TResults::SaveFiguresClick);
  SaveSessions = button("SaveSessions", "Save Sessions CSV", &TResults::SaveSessionsClick);
  SavePng = button("SavePng", "Save Plot as PNG", &TResults::SavePngClick);
  SaveSvg = button("SaveSvg", "Save Plot as SVG", &TResults::SaveSvgClick);
  CloseResults = button("CloseResults", "Close", &TResults::reject);
  auto enablePlotSaves = [this] {
    SavePng->setEnabled(ShownPlot() != nullptr);
    SaveSvg->setEnabled(ShownPlot() != nullptr);
  };
  connect(ResultsTabs, &QTabWidget::currentChanged, this, enablePlotSaves);
  enablePlotSaves();

  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {SaveFigures, SaveSessions, SavePng, SaveSvg}) buttons->addWidget(b);
  buttons->addStretch();
  buttons->addWidget(CloseResults);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ResultsTabs);
  layout->addLayout(buttons);
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
    FiguresTable->setItem(row, 0, Cell(system[line].label));
    FiguresTable->setItem(row, 1, Cell(ScreenText(system[line].text, system[line].money)));
    FiguresTable->setItem(row, 2, Cell(ScreenText(flat[line].text, flat[line].money)));
  }
  // A figure of the test as a whole has no twin of its own: it spans both columns.
  for (const FigureLine& line : test) {
    FiguresTable->setItem(row, 0, Cell(line.label));
    FiguresTable->setItem(row, 1, Cell(ScreenText(line.text, line.money)));
    FiguresTable->setItem(row, 2, Cell(""));
    FiguresTable->setSpan(row, 1, 1, 2);
    ++row;
  }
}

void TResults::WalkSessionsChange() {
  DrawWalks(*WalksView, result_, std::max(0, WalkSessions->currentIndex()));
}

QChartView* TResults::ShownPlot() const {
  switch (ResultsTabs->currentIndex()) {
    case 1:
      return WalksView;
    case 2:
      return WinningsView;
    case 3:
      return StakesView;
    case 4:
      return RuinView;
    default:
      return nullptr;
  }
}

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
