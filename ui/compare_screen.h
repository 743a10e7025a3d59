// TCompare: betting systems run on the same sessions, their figures side by side and their plots overlaid.
#pragma once

#include <QDialog>
#include <QSize>
#include <functional>

#include "config/program_folders.h"
#include "runs/comparison.h"

class QChartView;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QTabWidget;
class QTimer;

namespace quorvel::ui {

class ModalSeam;

// The settings in play, for "Add Current Settings".
using CurrentSettingsCall = std::function<ActiveSettings()>;

class TCompare : public QDialog {
  Q_OBJECT
 public:
  TCompare(ModalSeam& modals, QSize display, ProgramFolders folders,
           CurrentSettingsCall current, QWidget* parent = nullptr);
  ~TCompare() override;
  // Opens the screen; a comparison runs while it is open.
  void Open();

  void AddFileClick();
  void AddCurrentClick();
  void RemoveClick();
  // Run, or STOP while the systems run.
  void RunClick();
  // Reads the progress; shows the figures and plots once the systems are done.
  void PollCompare();
  void SaveFiguresClick();
  void SavePngClick();
  void SaveSvgClick();
  QChartView* ShownPlot() const;
  const ComparisonRun& Run() const { return run_; }

  QListWidget* CompareFiles;
  QPushButton *AddFile, *AddCurrent, *RemoveFile, *RunCompare;
  QLineEdit *CompareSessions, *CompareHands, *CompareSeed, *CompareRoundsPerHour;
  QCheckBox* CompareEndAtBust;
  QProgressBar* CompareProgress;
  QTabWidget* CompareTabs;
  QTableWidget* CompareTable;
  QChartView *CompareWinnings, *CompareRuin, *CompareWalks;
  QPushButton *SaveCompareFigures, *SaveComparePng, *SaveCompareSvg, *CloseCompare;

 protected:
  void reject() override;

 private:
  void CreateControls();
  std::optional<std::string> ReadPlan(TestPlan& plan) const;
  void ShowFigures();
  // The saves are offered once figures are shown; a plot save only on a plot's page.
  void UpdateSaves();
  void SavePlot(bool svg);

  ModalSeam& modals_;
  ProgramFolders folders_;
  CurrentSettingsCall current_;
  std::vector<ComparedSystem> chosen_;
  ComparisonRun run_;
  double plannedRounds_ = 0;
  QTimer* poll_;
};

}  // namespace quorvel::ui
