// UpDown: a pair of arrow buttons that holds a position and writes it into the edit beside it.
#include "ui/up_down.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace quorvel::ui {

UpDown::UpDown(int minimum, int maximum, QLineEdit* associate, QWidget* parent)
    : QWidget(parent), minimum_(minimum), maximum_(maximum), position_(minimum),
      associate_(associate) {
  auto arrow = [this](Qt::ArrowType type, int delta) {
    auto* button = new QToolButton(this);
    button->setArrowType(type);
    button->setAutoRepeat(true);
    button->setFixedSize(20, 13);
    // Taking the focus finishes a typed edit first, so the step starts from what was typed.
    button->setFocusPolicy(Qt::ClickFocus);
    connect(button, &QToolButton::clicked, this, [this, delta] { Step(delta); });
    return button;
  };
  up_ = arrow(Qt::UpArrow, 1);
  down_ = arrow(Qt::DownArrow, -1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(up_);
  layout->addWidget(down_);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  SetPosition(minimum);
  if (associate_ != nullptr) associate_->installEventFilter(this);
}

bool UpDown::eventFilter(QObject* watched, QEvent* event) {
  if (watched != associate_ || event->type() != QEvent::KeyPress || !isEnabled()) return false;
  switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Up:
    case Qt::Key_PageUp:
      Step(1);
      return true;
    case Qt::Key_Down:
    case Qt::Key_PageDown:
      Step(-1);
      return true;
    default:
      return false;
  }
}

void UpDown::NameFor(const QString& what) {
  setAccessibleName(what);
  up_->setAccessibleName(what + " up");
  down_->setAccessibleName(what + " down");
}

void UpDown::TakeTyped() {
  bool whole = false;
  const int typed = associate_->text().trimmed().toInt(&whole);
  if (!whole || typed < minimum_ || typed > maximum_) {
    SetPosition(position_);
    return;
  }
  if (typed == position_) return;
  SetPosition(typed);
  emit Click();
}

void UpDown::SetPosition(int position) {
  position_ = std::clamp(position, minimum_, maximum_);
  if (associate_ != nullptr) associate_->setText(QString::number(position_));
}

void UpDown::Step(int delta) {
  SetPosition(position_ + delta);
  emit Click();
}

}  // namespace quorvel::ui
