// What the Results and Compare screens share: a figures table, pages of plots, and the row of
// saves under them.
#pragma once

#include <QPushButton>
#include <QString>
#include <initializer_list>
#include <string>

#include "runs/figures_text.h"

class QChartView;
class QHBoxLayout;
class QTabWidget;
class QTableWidget;
class QTableWidgetItem;

namespace quorvel::ui {

// A button of a screen's own, which Enter does not press.
template <class Screen>
QPushButton* ScreenButton(Screen* screen, const char* name, const QString& caption, void (Screen::*click)()) {
  auto* button = new QPushButton(caption, screen);
  button->setObjectName(name);
  button->setAutoDefault(false);
  QObject::connect(button, &QPushButton::clicked, screen, click);
  return button;
}

// A read-only table of figures, a column a heading, rows a little over a line high.
QTableWidget* FiguresTableView(const char* name, const QStringList& headings, QWidget* parent);
// A cell that can be selected, not edited.
QTableWidgetItem* FigureCell(const std::string& text);
// A figure as the screens show it: money with a dollar sign, numbers with thousands separated.
QTableWidgetItem* FigureCell(const FigureLine& line);

// A page of `tabs` holding an empty plot named `name`.
QChartView* AddPlotPage(QTabWidget& tabs, const char* name, const QString& title);
// The plot on the current page; none on the figures page.
QChartView* ShownPlot(const QTabWidget& tabs);

// The screen's saves left, Close at the right.
QHBoxLayout* SaveRow(std::initializer_list<QPushButton*> saves, QPushButton* close);

}  // namespace quorvel::ui
