// Shrinking a laid-out window to the display: what sets its size, scaled alike.
#include "ui/window_fit.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLayout>
#include <QWidget>
#include <utility>
#include <vector>

#include "ui/display_geometry.h"

namespace quorvel::ui {
namespace {

void ScaleLayout(QLayout& layout, float scale) {
  const QMargins margins = layout.contentsMargins();
  layout.setContentsMargins(Scaled(margins.left(), scale), Scaled(margins.top(), scale),
                            Scaled(margins.right(), scale), Scaled(margins.bottom(), scale));
  if (auto* grid = qobject_cast<QGridLayout*>(&layout)) {
    grid->setHorizontalSpacing(Scaled(grid->horizontalSpacing(), scale));
    grid->setVerticalSpacing(Scaled(grid->verticalSpacing(), scale));
  } else if (layout.spacing() > 0) {
    layout.setSpacing(Scaled(layout.spacing(), scale));
  }
  for (int i = 0; i < layout.count(); ++i) {
    if (QLayout* inner = layout.itemAt(i)->layout()) ScaleLayout(*inner, scale);
  }
}

void ScaleWindow(QWidget& window, float scale) {
  QList<QWidget*> widgets = window.findChildren<QWidget*>();
  widgets.prepend(&window);
  // The window's font and the sizes set on a control of their own; the rest inherit them.
  std::vector<std::pair<QWidget*, int>> fonts;
  for (QWidget* widget : widgets) {
    const bool ownSize = widget->testAttribute(Qt::WA_SetFont) && (widget->font().resolveMask() & QFont::SizeResolved);
    if (widget == &window || ownSize) fonts.emplace_back(widget, QFontInfo(widget->font()).pixelSize());
  }
  for (const auto& [widget, pixels] : fonts) {
    QFont font = widget->font();
    font.setPixelSize(Scaled(pixels, scale));
    widget->setFont(font);
  }
  for (QWidget* widget : widgets) {
    if (widget != &window && widget->minimumWidth() == widget->maximumWidth()) {
      widget->setFixedWidth(Scaled(widget->minimumWidth(), scale));
    }
    if (widget != &window) widget->setMinimumHeight(Scaled(widget->minimumHeight(), scale));
    if (QLayout* layout = widget->layout()) ScaleLayout(*layout, scale);
  }
}

bool Fits(QSize size, QSize display) {
  return size.width() + kFrameAllowance.width <= display.width() &&
         size.height() + kFrameAllowance.height <= display.height();
}

}  // namespace

float FitLaidOutWindow(QWidget& window, QSize display) {
  const QSize designed = window.sizeHint();
  float scale = FitScale({designed.width(), designed.height()}, {display.width(), display.height()});
  if (scale < 1.0f) ScaleWindow(window, scale);
  // Whole-pixel fonts and rounded spacing do not shrink in exact proportion: a step more
  // where the window is still too large.
  constexpr float kStep = 0.05f;
  constexpr float kSmallest = 0.6f;
  while (scale > kSmallest + kStep / 2 && !Fits(window.sizeHint(), display)) {
    ScaleWindow(window, (scale - kStep) / scale);
    scale -= kStep;
  }
  return scale;
}

}  // namespace quorvel::ui
