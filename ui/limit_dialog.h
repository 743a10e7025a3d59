// THitLimit: the "Limit Reached" dialog that ends a manual session.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace quorvel::ui {

class THitLimit : public QDialog {
  Q_OBJECT
 public:
  explicit THitLimit(QWidget* parent = nullptr);

  QLabel* Lim;
  QPushButton* OKButton;

 private:
  void OKButtonClick();
};

}  // namespace quorvel::ui
