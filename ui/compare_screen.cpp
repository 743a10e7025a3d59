// TCompare: choosing the systems, running them on worker threads, and their figures and plots.
#include "ui/compare_screen.h"

#include <QChartView>
#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QThread>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <ctime>
#include <span>

#include "config/settings_values.h"
#include "runs/compared_figures.h"
#include "runs/test_controller.h"
#include "ui/figure_pages.h"
#include "ui/modal_seam.h"
#include "ui/results_plots.h"
#include "ui/save_dialog.h"

namespace quorvel::ui {
namespace {

constexpr int kPollMilliseconds = 200;

// The systems with figures to show: a stop leaves those after the one it cut short unplayed,
// and a system stopped before any of its sessions finished counts in no figure.
std::size_t PlayedSystems(const std::vector<ComparedSystem>& systems) {
  const auto unplayed = std::find_if(systems.begin(), systems.end(),
                                     [](const ComparedSystem& system) { return system.result.sessionsFinished == 0; });
  return static_cast<std::size_t>(unplayed - systems.begin());
}

QLineEdit* Edit(const char* name, const QString& text, QWidget* parent) {
  auto* edit = new QLineEdit(text, parent);
  edit->setObjectName(name);
  return edit;
}

}  // namespace

TCompare::TCompare(ModalSeam& modals, QSize display, ProgramFolders folders,
                   CurrentSettingsCall current, QWidget* parent)
    : QDialog(parent), modals_(modals), folders_(std::move(folders)),
      current_(std::move(current)) {
  setObjectName("Compare");
  setWindowTitle("Compare Systems");
  CreateControls();
  resize(std::min(1100, display.width() - 24), std::min(760, display.height() - 48));
  poll_ = new QTimer(this);
  poll_->setInterval(kPollMilliseconds);
  connect(poll_, &QTimer::timeout, this, &TCompare::PollCompare);
}

TCompare::~TCompare() { run_.Stop(); }

void TCompare::Open() { modals_.Exec(*this); }

void TCompare::CreateControls() {
  auto button = [this](const char* name, const QString& caption, void (TCompare::*click)()) {
    return ScreenButton(this, name, caption, click);
  };
  CompareFiles = new QListWidget(this);
  CompareFiles->setObjectName("CompareFiles");
  CompareFiles->setMaximumHeight(120);
  AddFile = button("AddFile", "Add Settings File...", &TCompare::AddFileClick);
  AddCurrent = button("AddCurrent", "Add Current Settings", &TCompare::AddCurrentClick);
  RemoveFile = button("RemoveFile", "Remove", &TCompare::RemoveClick);
  auto* choose = new QVBoxLayout;
  for (QPushButton* b : {AddFile, AddCurrent, RemoveFile}) choose->addWidget(b);
  choose->addStretch();

  CompareSessions = Edit("CompareSessions", "99", this);
  CompareHands = Edit("CompareHands", "1000", this);
  CompareSeed = Edit("CompareSeed", "", this);
  CompareSeed->setPlaceholderText("new, from the clock");
  CompareRoundsPerHour = Edit("CompareRoundsPerHour", "100", this);
  CompareEndAtBust = new QCheckBox("End a session when the bankroll cannot cover the next bet", this);
  CompareEndAtBust->setObjectName("CompareEndAtBust");
  auto* plan = new QFormLayout;
  plan->addRow("Sessions (1 to 99):", CompareSessions);
  plan->addRow("Hands per session:", CompareHands);
  plan->addRow("Seed:", CompareSeed);
  plan->addRow("Rounds per hour:", CompareRoundsPerHour);
  plan->addRow(CompareEndAtBust);

  RunCompare = button("RunCompare", "Run", &TCompare::RunClick);
  CompareProgress = new QProgressBar(this);
  CompareProgress->setObjectName("CompareProgress");
  auto* top = new QHBoxLayout;
  top->addWidget(CompareFiles, 2);
  top->addLayout(choose);
  top->addLayout(plan, 1);

  CompareTabs = new QTabWidget(this);
  CompareTabs->setObjectName("CompareTabs");
  CompareTable = FiguresTableView("CompareTable", {"Figure"}, this);
  CompareTable->setAccessibleName("Figures of the systems side by side");
  CompareTabs->addTab(CompareTable, "Figures");
  CompareWinnings = AddPlotPage(*CompareTabs, "CompareWinnings", "Session winnings");
  CompareRuin = AddPlotPage(*CompareTabs, "CompareRuin", "Risk of ruin");
  CompareWalks = AddPlotPage(*CompareTabs, "CompareWalks", "Mean bankroll walks");

  SaveCompareFigures = button("SaveCompareFigures", "Save Figures CSV", &TCompare::SaveFiguresClick);
  SaveComparePng = button("SaveComparePng", "Save Plot as PNG", &TCompare::SavePngClick);
  SaveCompareSvg = button("SaveCompareSvg", "Save Plot as SVG", &TCompare::SaveSvgClick);
  CloseCompare = button("CloseCompare", "Close", &TCompare::reject);
  connect(CompareTabs, &QTabWidget::currentChanged, this, &TCompare::UpdateSaves);
  UpdateSaves();

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  auto* running = new QHBoxLayout;
  running->addWidget(RunCompare);
  running->addWidget(CompareProgress, 1);
  layout->addLayout(running);
  layout->addWidget(CompareTabs, 1);
  layout->addLayout(SaveRow({SaveCompareFigures, SaveComparePng, SaveCompareSvg}, CloseCompare));
}

void TCompare::AddFileClick() {
  if (chosen_.size() >= kMostCompared) {
    modals_.ShowError(this, windowTitle(), "Compare at most eight settings.");
    return;
  }
  const QString file = modals_.OpenFileName(this, "Add Settings File", QString::fromStdString(folders_.writable.string()),
                                            "Settings Files (*.sav)");
  if (file.isEmpty()) return;
  ActiveReadResult read = ReadActiveSettings(file.toStdString(), {});
  if (!read.status) {
    modals_.ShowError(this, windowTitle(), QString::fromStdString(read.status.message));
    return;
  }
  // Values no table can play are refused here as the command line refuses them.
  if (auto problem = CheckSettingsValues(read.settings.options)) {
    modals_.ShowError(this, windowTitle(), file + " cannot be played: " + QString::fromStdString(problem->message));
    return;
  }
  chosen_.push_back({file.toStdString(), read.settings, {}});
  CompareFiles->addItem(file);
}

void TCompare::AddCurrentClick() {
  if (chosen_.size() >= kMostCompared || !current_) {
    modals_.ShowError(this, windowTitle(), "Compare at most eight settings.");
    return;
  }
  chosen_.push_back({"current settings", current_(), {}});
  CompareFiles->addItem("current settings");
}

void TCompare::RemoveClick() {
  const int row = CompareFiles->currentRow();
  if (row < 0 || run_.Running()) return;
  chosen_.erase(chosen_.begin() + row);
  delete CompareFiles->takeItem(row);
}

std::optional<std::string> TCompare::ReadPlan(TestPlan& plan) const {
  bool ok = false;
  plan.sessions = CompareSessions->text().trimmed().toInt(&ok);
  if (!ok || plan.sessions < 1 || plan.sessions > kLastSessionRow) return "The number of sessions must be from 1 to 99.";
  plan.handsPerSession = CompareHands->text().trimmed().toDouble(&ok);
  if (!ok) return "'" + CompareHands->text().toStdString() + "' is not a valid number of hands";
  const QString seed = CompareSeed->text().trimmed();
  plan.seed = seed.isEmpty() ? static_cast<uint64_t>(std::time(nullptr)) & 0xFFFFFFFFu : seed.toULongLong(&ok);
  if (!seed.isEmpty() && (!ok || plan.seed > 0xFFFFFFFFu)) {
    return "'" + seed.toStdString() + "' is not a valid seed: give a whole number from 0 to 4294967295";
  }
  const int roundsPerHour = CompareRoundsPerHour->text().trimmed().toInt(&ok);
  if (!ok || roundsPerHour < 1 || roundsPerHour > 10000) {
    return "'" + CompareRoundsPerHour->text().toStdString() +
           "' is not a valid number of rounds per hour: give a whole number from 1 to 10000";
  }
  plan.roundsPerHour = roundsPerHour;
  plan.endAtBust = CompareEndAtBust->isChecked();
  plan.threads = WorkerThreadsFor(QThread::idealThreadCount());
  plan.walks = true;  // for the mean walks
  return std::nullopt;
}

void TCompare::RunClick() {
  if (run_.Running()) {
    run_.Stop();  // STOP: the poll shows what finished
    PollCompare();
    return;
  }
  TestPlan plan;
  std::optional<std::string> problem = ReadPlan(plan);
  if (!problem && chosen_.size() < kFewestCompared) problem = "Choose two to eight settings to compare.";
  if (!problem) problem = run_.Start(chosen_, plan, folders_.ChartDirectory());
  if (problem) {
    modals_.ShowError(this, windowTitle(), QString::fromStdString(*problem));
    return;
  }
  CompareSeed->setText(QString::number(plan.seed));  // shown, so the comparison can be repeated
  plannedRounds_ = plan.handsPerSession * plan.sessions * static_cast<double>(chosen_.size());
  RunCompare->setText("STOP");
  UpdateSaves();
  for (QWidget* control : std::initializer_list<QWidget*>{AddFile, AddCurrent, RemoveFile}) control->setEnabled(false);
  poll_->start();
}

void TCompare::PollCompare() {
  const ComparisonProgress& progress = run_.Progress();
  if (plannedRounds_ > 0) {
    const double perSystem = plannedRounds_ / static_cast<double>(chosen_.size());
    const double done = progress.systemsDone.load() * perSystem + static_cast<double>(progress.current.Rounds());
    CompareProgress->setValue(static_cast<int>(std::min(100.0, 100 * done / plannedRounds_)));
  }
  if (!run_.Done()) return;
  poll_->stop();
  RunCompare->setText("Run");
  for (QWidget* control : std::initializer_list<QWidget*>{AddFile, AddCurrent, RemoveFile}) control->setEnabled(true);
  if (std::optional<std::string> problem = run_.Finish()) {
    modals_.ShowError(this, windowTitle(), QString::fromStdString(*problem));
    return;
  }
  if (!run_.Stopped()) {
    CompareProgress->setValue(100);
  } else if (plannedRounds_ > 0) {
    // After a stop, the rounds the systems played: the running count takes the system the stop
    // cut short as done.
    double played = 0;
    for (const ComparedSystem& system : run_.Systems()) played += system.result.handsPlayed;
    CompareProgress->setValue(static_cast<int>(std::min(100.0, 100 * played / plannedRounds_)));
  }
  ShowFigures();
  UpdateSaves();
}

void TCompare::UpdateSaves() {
  const bool shown = run_.Done() && !run_.Running() && !run_.Systems().empty();
  SaveCompareFigures->setEnabled(shown);
  SaveComparePng->setEnabled(shown && ShownPlot() != nullptr);
  SaveCompareSvg->setEnabled(shown && ShownPlot() != nullptr);
}

void TCompare::ShowFigures() {
  const std::vector<ComparedSystem>& systems = run_.Systems();
  const std::size_t played = PlayedSystems(systems);
  std::vector<TestFigures> figures;
  for (const ComparedSystem& system : systems) figures.push_back(ComputeFigures(system.result));
  std::vector<FigureColumn> columns = ComparedColumns(systems, figures);
  // The unplayed show "not run" and no figures. Their twins stand beside them: the twins of
  // systems that did not all play never agree.
  const bool twinOnce = TwinsAgree(systems);
  for (std::size_t c = 0; c < columns.size(); ++c) {
    if (played == systems.size() || c / (twinOnce ? 1 : 2) < played) continue;
    columns[c].heading += " (not run)";
    for (FigureLine& line : columns[c].lines) line.text.clear();
  }
  CompareTable->clear();
  CompareTable->setColumnCount(static_cast<int>(columns.size()) + 1);
  CompareTable->setRowCount(columns.empty() ? 0 : static_cast<int>(columns[0].lines.size()));
  QStringList headings = {"Figure"};
  for (const FigureColumn& column : columns) headings << QString::fromStdString(column.heading);
  CompareTable->setHorizontalHeaderLabels(headings);
  for (std::size_t c = 0; c < columns.size(); ++c) {
    for (std::size_t row = 0; row < columns[c].lines.size(); ++row) {
      const FigureLine& line = columns[c].lines[row];
      if (c == 0) CompareTable->setItem(static_cast<int>(row), 0, FigureCell(line.label));
      CompareTable->setItem(static_cast<int>(row), static_cast<int>(c) + 1, FigureCell(line));
    }
  }
  CompareTable->resizeColumnsToContents();
  const std::span<const ComparedSystem> drawn(systems.data(), played);
  DrawComparedWinnings(*CompareWinnings, drawn);
  DrawComparedRuinRisk(*CompareRuin, drawn, twinOnce);
  DrawComparedWalks(*CompareWalks, drawn);
}

QChartView* TCompare::ShownPlot() const { return ui::ShownPlot(*CompareTabs); }

void TCompare::SaveFiguresClick() {
  SaveThroughDialog(modals_, this, folders_.writable, "Save Figures CSV", "compare.csv", "CSV Files (*.csv)", [this] {
    std::vector<std::string> names;
    std::vector<TestFigures> figures;
    const std::vector<ComparedSystem>& systems = run_.Systems();
    const std::size_t played = PlayedSystems(systems);
    for (std::size_t i = 0; i < played; ++i) {
      names.push_back(systems[i].name);
      figures.push_back(ComputeFigures(systems[i].result));
    }
    return ComparedFiguresCsv(names, figures);
  });
}

void TCompare::SavePngClick() { SavePlot(false); }

void TCompare::SaveSvgClick() { SavePlot(true); }

void TCompare::SavePlot(bool svg) {
  // "CompareRuin" is offered as compare-ruin.png.
  if (QChartView* plot = ShownPlot()) {
    SavePlotThroughDialog(modals_, this, folders_.writable, *plot, "compare-" + plot->objectName().mid(7).toLower(), svg);
  }
}

void TCompare::reject() {
  run_.Stop();  // closing stops a comparison that runs
  poll_->stop();
  QDialog::reject();
}

}  // namespace quorvel::ui
