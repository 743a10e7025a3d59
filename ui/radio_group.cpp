// A titled group of exclusive choices whose selection may also be none (index -1).
#include "ui/radio_group.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace quorvel::ui {

RadioGroup::RadioGroup(const QString& title, const QStringList& items, QWidget* parent)
    : QGroupBox(title, parent), buttons_(new QButtonGroup(this)), grid_(new QGridLayout(this)) {
  grid_->setContentsMargins(10, 6, 10, 8);
  grid_->setVerticalSpacing(4);
  for (int i = 0; i < items.size(); ++i) {
    auto* item = new QRadioButton(items[i], this);
    buttons_->addButton(item, i);
    grid_->addWidget(item, i, 0);
  }
  connect(buttons_, &QButtonGroup::idClicked, this, &RadioGroup::Clicked);
}

int RadioGroup::ItemIndex() const { return buttons_->checkedId(); }

void RadioGroup::SetItemIndex(int index) {
  if (index >= 0 && index < buttons_->buttons().size()) {
    buttons_->button(index)->setChecked(true);
    return;
  }
  // An exclusive group never unchecks its last button by itself.
  buttons_->setExclusive(false);
  for (QAbstractButton* item : buttons_->buttons()) item->setChecked(false);
  buttons_->setExclusive(true);
}

QRadioButton* RadioGroup::Item(int index) const {
  return static_cast<QRadioButton*>(buttons_->button(index));
}

}  // namespace quorvel::ui
