// Rendering a chart view into a PNG or an SVG held in memory, so the file is saved whole.
#include "ui/chart_export.h"

#include <QBuffer>
#include <QChartView>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

namespace quorvel::ui {

QChartView* PlotView(const char* name, QWidget* parent) {
  auto* view = new QChartView(new QChart, parent);
  view->setObjectName(name);
  view->setRenderHint(QPainter::Antialiasing);
  return view;
}

QByteArray ChartPng(QChartView& view) {
  constexpr qreal kRatio = 2;
  QImage image(view.size() * kRatio, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  // The view fills the larger image itself, so the painter needs no scale of its own.
  view.render(&painter);
  painter.end();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

QByteArray ChartSvg(QChartView& view) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(view.size());
  generator.setViewBox(QRect(QPoint(0, 0), view.size()));
  generator.setTitle(view.chart()->title());
  QPainter painter(&generator);
  view.render(&painter);
  painter.end();
  return bytes;
}

}  // namespace quorvel::ui
