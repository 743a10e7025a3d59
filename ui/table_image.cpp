// Image1: the table picture on which the cards are drawn.
#include "ui/table_image.h"

#include <QPainter>

#include "ui/pictures/device_pixmap.h"

namespace quorvel::ui {
namespace {

const QColor kPlainFelt(11, 77, 44);

}  // namespace

TableImage::TableImage(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TableImage::SetBackground(const QImage& background, QSize size) {
  background_ = background;
  size_ = background.isNull() ? size : background.size();
  setFixedSize(size_);  // the control sizes itself to its picture
  Reload();
}

void TableImage::Reload() {
  const qreal ratio = devicePixelRatioF();
  canvas_ = DevicePixmap(size_, ratio, kPlainFelt);
  if (!background_.isNull()) {
    QPainter painter(&canvas_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint(0, 0), size_), background_);
  }
  update();
}

void TableImage::DrawPicture(int x, int y, const QPixmap& picture) {
  // The painter clips to the canvas, so a card past the edge never writes outside it.
  QPainter painter(&canvas_);
  painter.drawPixmap(x, y, picture);
  update(QRect(QPoint(x, y), picture.deviceIndependentSize().toSize()));
}

void TableImage::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, canvas_);
}

}  // namespace quorvel::ui
