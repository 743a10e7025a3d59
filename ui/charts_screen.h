// TCharts: the basic-strategy chart the table plays by, as letters over the chart grid.
#pragma once

#include <QDialog>
#include <array>
#include <cstdint>
#include <filesystem>

#include "engine/strategy_chart.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace quorvel::ui {

class ModalSeam;

class TCharts : public QDialog {
  Q_OBJECT
 public:
  // At the largest scale, up to 1, at which it fits `display`, the desktop's free area.
  TCharts(ModalSeam& modals, QSize display, std::filesystem::path chartDirectory,
          QWidget* parent = nullptr);

  // Fills the caption and the 28 row labels from the chart file of these
  // rules, then shows the screen modally.
  void ChartData(uint8_t decks, bool dealerHitsSoft17, bool lateSurrender, bool noDoubleAfterSplit);

  // c1r1..c1r10 (pairs), c2r1..c2r8 (soft totals), c3r1..c3r10 (hard totals),
  // in chart row order.
  std::array<QLabel*, kChartRows> rowLabels{};
  QLabel* Image1;
  QPushButton* Button1;
  QPlainTextEdit* Memo1;
  QPlainTextEdit* Memo2;
  QPlainTextEdit* Memo3;

 private:
  void Button1Click();

  ModalSeam& modals_;
  std::filesystem::path chartDirectory_;
};

}  // namespace quorvel::ui
