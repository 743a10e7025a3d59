// The figures table, the plot pages and the row of saves of the Results and Compare screens.
#include "ui/figure_pages.h"

#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QTabWidget>
#include <QTableWidget>

#include "ui/chart_export.h"

namespace quorvel::ui {

QTableWidget* FiguresTableView(const char* name, const QStringList& headings, QWidget* parent) {
  auto* table = new QTableWidget(0, static_cast<int>(headings.size()), parent);
  table->setObjectName(name);
  table->setHorizontalHeaderLabels(headings);
  table->verticalHeader()->hide();
  // Rows a little over a line high, so every figure shows without scrolling.
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  return table;
}

QTableWidgetItem* FigureCell(const std::string& text) {
  auto* item = new QTableWidgetItem(QString::fromStdString(text));
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  return item;
}

QTableWidgetItem* FigureCell(const FigureLine& line) { return FigureCell(ScreenText(line.text, line.money)); }

QChartView* AddPlotPage(QTabWidget& tabs, const char* name, const QString& title) {
  QChartView* view = PlotView(name, &tabs);
  tabs.addTab(view, title);
  return view;
}

QChartView* ShownPlot(const QTabWidget& tabs) {
  QWidget* page = tabs.currentWidget();
  if (page == nullptr) return nullptr;
  // A plot is a page of its own or stands on one with controls of its own.
  if (auto* view = qobject_cast<QChartView*>(page)) return view;
  return page->findChild<QChartView*>();
}

QHBoxLayout* SaveRow(std::initializer_list<QPushButton*> saves, QPushButton* close) {
  auto* row = new QHBoxLayout;
  for (QPushButton* save : saves) row->addWidget(save);
  row->addStretch();
  row->addWidget(close);
  return row;
}

}  // namespace quorvel::ui
