// TResults: what a finished test's betting system did, as figures and plots beside its flat-bet twin.
#pragma once

#include <QByteArray>
#include <QDialog>
#include <QSize>
#include <filesystem>
#include <functional>
#include <string>

#include "runs/test_runner.h"

class QChartView;
class QComboBox;
class QPushButton;
class QTableWidget;
class QTabWidget;

namespace quorvel::ui {

class ModalSeam;

class TResults : public QDialog {
  Q_OBJECT
 public:
  TResults(ModalSeam& modals, QSize display, std::filesystem::path startupDirectory,
           QWidget* parent = nullptr);

  // Shows the test's figures and plots, then opens the screen.
  void Open(const TestResult& result);
  void ShowResult(const TestResult& result);

  void WalkSessionsChange();
  void SaveFiguresClick();
  void SaveSessionsClick();
  void SavePngClick();
  void SaveSvgClick();
  // The plot on the current page; none on the figures page.
  QChartView* ShownPlot() const;

  QTabWidget* ResultsTabs;
  QTableWidget* FiguresTable;
  QChartView *WalksView, *WinningsView, *StakesView, *RuinView;
  QComboBox* WalkSessions;
  QPushButton *SaveFigures, *SaveSessions, *SavePng, *SaveSvg, *CloseResults;

 private:
  void CreateControls();
  void FillTable();
  void Save(const QString& title, const QString& name, const QString& filter,
            const std::function<std::string()>& bytes);
  void SavePlot(bool svg);

  ModalSeam& modals_;
  std::filesystem::path startupDirectory_;
  TestResult result_;
};

}  // namespace quorvel::ui
