// Image1: the table picture on which the cards are drawn.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace quorvel::ui {

class TableImage : public QWidget {
  Q_OBJECT
 public:
  explicit TableImage(QWidget* parent = nullptr);

  // Takes `background` as the table and shows it with no cards; a null image
  // gives a plain felt of `size`.
  void SetBackground(const QImage& background, QSize size);
  // Restores the background, which removes every card drawn.
  void Reload();
  // Draws a picture with its top left corner at (x, y) of the table; whatever
  // falls outside the table is clipped.
  void DrawPicture(int x, int y, const QPixmap& picture);
  // What the screen shows now, at its device pixel ratio.
  const QPixmap& Picture() const { return canvas_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage background_;
  QSize size_;
  QPixmap canvas_;
};

}  // namespace quorvel::ui
