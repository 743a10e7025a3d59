// Measuring the window manager's frame on a probe window.
#include "ui/window_frame.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QWidget>

#include "ui/display_geometry.h"

namespace quorvel::ui {

QSize MeasureWindowFrame() {
  constexpr int kWaitMilliseconds = 400;
  QWidget probe(nullptr, Qt::Window);
  probe.setWindowOpacity(0);
  probe.setGeometry(0, 0, 40, 40);
  probe.show();
  QElapsedTimer waited;
  waited.start();
  while (waited.elapsed() < kWaitMilliseconds) {
    QCoreApplication::processEvents();
    const QSize frame = probe.frameGeometry().size() - probe.geometry().size();
    if (!frame.isEmpty()) return frame;
    QThread::msleep(5);
  }
  return {kFrameAllowance.width, kFrameAllowance.height};
}

}  // namespace quorvel::ui
