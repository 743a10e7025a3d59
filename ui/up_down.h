// UpDown: a pair of arrow buttons that holds a position and writes it into the edit beside it.
#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace quorvel::ui {

// From the keyboard: the arrow keys (and Page Up, Page Down) in the associated edit step it,
// and a whole number typed into an edit that is not read-only moves it there when the edit
// is left, as a click would.
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
  // Takes what was typed into the edit: a whole number in the range moves there (then Click);
  // anything else gives the edit back its position.
  void TakeTyped();
  // Names the arrows for a screen reader: "<what> up" and "<what> down".
  void NameFor(const QString& what);

 signals:
  void Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int minimum_;
  int maximum_;
  int position_;
  QLineEdit* associate_;
  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace quorvel::ui
