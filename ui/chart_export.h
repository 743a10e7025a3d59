// A chart view's picture as the bytes of a PNG or an SVG file.
#pragma once

#include <QByteArray>

class QChartView;
class QWidget;

namespace quorvel::ui {

// An empty plot named `name`, drawn smoothly.
QChartView* PlotView(const char* name, QWidget* parent);

// The view as it shows, at twice its pixels so a printed plot stays sharp.
QByteArray ChartPng(QChartView& view);
// The view as a scalable drawing, titled as its chart is.
QByteArray ChartSvg(QChartView& view);

}  // namespace quorvel::ui
