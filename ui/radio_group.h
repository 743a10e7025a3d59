// A titled group of exclusive choices whose selection may also be none (index -1).
#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QGridLayout;
class QRadioButton;

namespace quorvel::ui {

class RadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  RadioGroup(const QString& title, const QStringList& items, QWidget* parent = nullptr);

  int ItemIndex() const;
  // -1 (or any index outside the items) selects nothing.
  void SetItemIndex(int index);
  QRadioButton* Item(int index) const;
  // Where an edit beside item `row` goes.
  QGridLayout* Grid() const { return grid_; }

 signals:
  // The user chose an item.
  void Clicked(int index);

 private:
  QButtonGroup* buttons_;
  QGridLayout* grid_;
};

}  // namespace quorvel::ui
