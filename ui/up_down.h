// UpDown: a pair of arrow buttons that holds a position and writes it into the edit beside it.
#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace quorvel::ui {

class UpDown : public QWidget {
  Q_OBJECT
 public:
  // `associate` shows the position; it may be null.
  UpDown(int minimum, int maximum, QLineEdit* associate, QWidget* parent = nullptr);

  int Position() const { return position_; }
  // Moves without a click, brought into the range; the edit follows.
  void SetPosition(int position);
  // What a press of an arrow does: one step within the range (no wrap), then Click,
  // also at the ends of the range.
  void Step(int delta);

 signals:
  void Click();

 private:
  int minimum_;
  int maximum_;
  int position_;
  QLineEdit* associate_;
  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace quorvel::ui
